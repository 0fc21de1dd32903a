#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1252, the code page of files and rich text written on Windows machines in schools.
namespace platform::cp1252 {

// The character a byte stands for. The five bytes the code page leaves undefined map to the
// control characters of the same number, as Windows itself does.
QChar toUnicode(unsigned char byte);
QString decode(const QByteArray& bytes);

// The byte for a character, or nothing when the code page has none.
bool fromUnicode(QChar c, unsigned char& byte);

// The characters of `text` the code page has no byte for, each once, in the order they first
// appear; a character outside the basic plane (a surrogate pair) stays whole.
QStringList missingCharacters(const QString& text);

}  // namespace platform::cp1252
