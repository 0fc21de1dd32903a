#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <optional>

// Text files as the programs read and write them: read whole or by lines, CR LF or LF accepted,
// UTF-8 when the bytes are valid UTF-8 and Windows-1252 otherwise, UTF-16 when a byte order
// mark says so; written in UTF-8 with CR LF.
namespace platform::textfile {

// Decodes bytes as described above (the byte order mark is dropped).
QString decode(const QByteArray& bytes);

// Whether the bytes are some other kind of file than text: their start holds a NUL byte, which
// no text holds unless it is marked as UTF-16.
bool isBinary(const QByteArray& bytes);

// The whole file as text, line ends untouched; nothing when it cannot be read.
std::optional<QString> readAll(const QString& path);
// The lines of the file without their ends (CR LF, LF or a lone CR); nothing when unreadable.
std::optional<QStringList> readLines(const QString& path);

// Every lone LF or lone CR in `text` becomes CR LF; CR LF stays as it is.
QString toCrLf(const QString& text);

// The message for a save of `path` that failed with the system's `errorNumber` (0 when not
// known) and the file layer's `reported` reason. A full disk (or a used-up quota), a folder
// that cannot be written to and a read-only file are named as such, with what to do instead;
// when a file was there before, the message says that it is kept.
QString saveFailure(const QString& path, int errorNumber, const QString& reported);

// Whether a program may write to a file or folder. The permission bits count as well as the
// system's check: root passes the check even where a shared folder then refuses the write, and a
// file marked read-only stays read-only for root too.
bool mayWrite(const QFileInfo& entry);

// Replaces the file atomically with `bytes` (written beside it, flushed, renamed over it), so a
// failed write leaves the old file whole. A file marked read-only is not replaced, also for
// root. Returns an empty string on success, else a message fit to show the user.
QString writeBytesAtomic(const QString& path, const QByteArray& bytes);
// Writes `text` in UTF-8 with its line ends made CR LF, atomically as above.
QString writeAtomic(const QString& path, const QString& text);

}  // namespace platform::textfile
