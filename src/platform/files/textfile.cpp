#include "platform/files/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>

#include "platform/files/cp1252.h"

namespace platform::textfile {
namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16LeBom("\xFF\xFE");
const QByteArray kUtf16BeBom("\xFE\xFF");
// As much of a file as is looked at to tell text from other data.
constexpr qsizetype kBinaryCheckBytes = 8192;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at `bytes[i]`, or 0 when it is not one
// (overlong forms, surrogates and code points above U+10FFFF are not UTF-8).
int sequenceLength(const QByteArray& bytes, qsizetype i) {
  const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = at(i);
  if (lead < 0x80) return 1;
  int length = 0;
  unsigned char min = 0x80, max = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) min = 0xA0;
    if (lead == 0xED) max = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) min = 0x90;
    if (lead == 0xF4) max = 0x8F;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  if (at(i + 1) < min || at(i + 1) > max) return 0;
  for (int k = 2; k < length; ++k) {
    if (!isContinuation(at(i + k))) return 0;
  }
  return length;
}

bool isValidUtf8(const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size();) {
    const int length = sequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::optional<QByteArray> readBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

bool isUtf16(const QByteArray& bytes) {
  return bytes.startsWith(kUtf16LeBom) || bytes.startsWith(kUtf16BeBom);
}

// What Windows calls "Unicode" text; an odd last byte is not half a character.
QString decodeUtf16(const QByteArray& bytes) {
  const bool littleEndian = bytes.startsWith(kUtf16LeBom);
  QString text;
  text.reserve(bytes.size() / 2);
  for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
    const auto high = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
    text.append(QChar(char16_t(high << 8 | low)));
  }
  return text;
}

}  // namespace

QString decode(const QByteArray& bytes) {
  if (isUtf16(bytes)) return decodeUtf16(bytes);
  const QByteArray body = bytes.startsWith(kUtf8Bom) ? bytes.mid(kUtf8Bom.size()) : bytes;
  return isValidUtf8(body) ? QString::fromUtf8(body) : cp1252::decode(body);
}

bool isBinary(const QByteArray& bytes) {
  return !isUtf16(bytes) && bytes.left(kBinaryCheckBytes).contains('\0');
}

std::optional<QString> readAll(const QString& path) {
  const auto bytes = readBytes(path);
  if (!bytes) return std::nullopt;
  return decode(*bytes);
}

std::optional<QStringList> readLines(const QString& path) {
  const auto text = readAll(path);
  if (!text) return std::nullopt;
  // Each line is copied whole: long lists (Voxlet!'s definitions) are read while a program starts.
  const QStringView all(*text);
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < all.size(); ++i) {
    const QChar c = all[i];
    if (c != '\r' && c != '\n') continue;
    lines.append(all.sliced(start, i - start).toString());
    if (c == '\r' && i + 1 < all.size() && all[i + 1] == '\n') ++i;
    start = i + 1;
  }
  // A last line without an end is still a line; an end at the very end starts none.
  if (start < all.size()) lines.append(all.sliced(start).toString());
  return lines;
}

QString toCrLf(const QString& text) {
  QString result;
  result.reserve(text.size() + text.size() / 16);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == '\r') {
      result.append(QStringLiteral("\r\n"));
      if (i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
    } else if (c == '\n') {
      result.append(QStringLiteral("\r\n"));
    } else {
      result.append(c);
    }
  }
  return result;
}

namespace {

// Why a save failed, in the user's words, and what to do instead.
struct SaveCause {
  QString reason;
  QString advice;
};

SaveCause causeOf(const QFileInfo& target, int errorNumber, const QString& reported) {
  if (errorNumber == ENOSPC || errorNumber == EDQUOT) {
    return {QStringLiteral("the disk is full."),
            QStringLiteral("Make room on the disk or save somewhere else.")};
  }
  // The save writes a new file beside the old one and renames it over the old: a writable
  // file in a folder that is not writable cannot be replaced.
  const QFileInfo folder(target.absolutePath());
  if (folder.isDir() && !mayWrite(folder)) {
    return {QStringLiteral("the folder it is in cannot be written to."),
            QStringLiteral("Save it in another folder.")};
  }
  if (target.isFile() && !mayWrite(target)) {
    return {QStringLiteral("the file is read-only."), QStringLiteral("Save it under another name.")};
  }
  return {reported.endsWith(QLatin1Char('.')) ? reported : reported + QLatin1Char('.'), QString()};
}

}  // namespace

bool mayWrite(const QFileInfo& entry) {
  return entry.isWritable() && entry.permissions().testFlag(QFileDevice::WriteOwner);
}

QString saveFailure(const QString& path, int errorNumber, const QString& reported) {
  const QFileInfo target(path);
  const SaveCause cause = causeOf(target, errorNumber, reported);
  QStringList next;
  if (target.isFile()) next << QStringLiteral("The file saved there before is kept as it was.");
  if (!cause.advice.isEmpty()) next << cause.advice;
  QString message = QStringLiteral("Could not save %1: %2").arg(path, cause.reason);
  if (!next.isEmpty()) message += QStringLiteral("\r\n") + next.join(QLatin1Char(' '));
  return message;
}

QString writeBytesAtomic(const QString& path, const QByteArray& bytes) {
  const QFileInfo target(path);
  if (target.isDir()) return saveFailure(path, 0, QStringLiteral("it is a folder"));
  if (target.isFile() && !mayWrite(target)) return saveFailure(path, EACCES, QString());
  // By the time the save gives up the file layer may report a full disk only as "Unknown
  // error"; the system's error number, or the room left on the disk, tells.
  const auto failure = [&](const QString& reported) {
    int error = errno;
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < bytes.size()) error = ENOSPC;
    return saveFailure(path, error, reported);
  };
  errno = 0;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());
  // The write is buffered: only the flush shows whether the disk took it. Committing after a
  // failed flush would put an empty or cut-off file in place of the old one.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    const QString message = failure(file.errorString());
    file.cancelWriting();
    return message;
  }
  if (!file.commit()) return failure(file.errorString());
  return QString();
}

QString writeAtomic(const QString& path, const QString& text) {
  return writeBytesAtomic(path, toCrLf(text).toUtf8());
}

}  // namespace platform::textfile
