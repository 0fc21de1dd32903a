#include "platform/files/cp1252.h"

#include <array>

namespace platform::cp1252 {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QChar toUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return QChar(kHighControls[byte - 0x80]);
  return QChar(byte);
}

QString decode(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char b : bytes) text.append(toUnicode(static_cast<unsigned char>(b)));
  return text;
}

bool fromUnicode(QChar c, unsigned char& byte) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
    byte = static_cast<unsigned char>(u);
    return true;
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == u) {
      byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  return false;
}

QStringList missingCharacters(const QString& text) {
  QStringList missing;
  for (qsizetype i = 0; i < text.size(); ++i) {
    unsigned char byte = 0;
    if (fromUnicode(text.at(i), byte)) continue;
    const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                      text.at(i + 1).isLowSurrogate();
    const QString character = text.mid(i, pair ? 2 : 1);
    if (pair) ++i;
    if (!missing.contains(character)) missing.append(character);
  }
  return missing;
}

}  // namespace platform::cp1252
