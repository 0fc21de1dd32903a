#include "platform/files/cp1252.h"

#include <gtest/gtest.h>

namespace platform::cp1252 {
namespace {

TEST(Cp1252, MapsTheHighControlRangeToTypographicCharacters) {
  const std::pair<unsigned char, char16_t> cases[] = {
      {0x80, 0x20AC},
      {0x82, 0x201A},
      {0x85, 0x2026},
      {0x8A, 0x0160},
      {0x91, 0x2018},
      {0x92, 0x2019},
      {0x93, 0x201C},
      {0x94, 0x201D},
      {0x96, 0x2013},
      {0x97, 0x2014},
      {0x99, 0x2122},
      {0x9F, 0x0178},
      // Undefined in the code page: the control character of the same number.
      {0x81, 0x0081},
      {0x8D, 0x008D},
      {0x8F, 0x008F},
      {0x90, 0x0090},
      {0x9D, 0x009D},
      // Elsewhere the code page is Latin-1.
      {0x00, 0x0000},
      {0x41, 0x0041},
      {0x7F, 0x007F},
      {0xA0, 0x00A0},
      {0xE9, 0x00E9},
      {0xFF, 0x00FF},
  };
  for (const auto& [byte, unicode] : cases) {
    EXPECT_EQ(toUnicode(byte).unicode(), unicode) << int(byte);
  }
}

TEST(Cp1252, EveryByteRoundTrips) {
  for (int byte = 0; byte < 256; ++byte) {
    unsigned char back = 0;
    ASSERT_TRUE(fromUnicode(toUnicode(static_cast<unsigned char>(byte)), back)) << byte;
    EXPECT_EQ(back, byte);
  }
}

TEST(Cp1252, CharactersOutsideTheCodePageHaveNoByte) {
  for (char16_t c : {u'\u0100', u'\u20AD', u'\u4E2D', u'\uFFFD'}) {
    unsigned char byte = 0x55;
    EXPECT_FALSE(fromUnicode(QChar(c), byte)) << int(c);
  }
}

TEST(Cp1252, NamesTheCharactersTheCodePageCannotHoldOnceEach) {
  const std::pair<QString, QStringList> cases[] = {
      {QStringLiteral("Ortiz, Ana"), {}},
      {QStringLiteral("Zoë Müller – “Ms” €"), {}},
      {QStringLiteral("王小明"), {QStringLiteral("王"), QStringLiteral("小"), QStringLiteral("明")}},
      {QStringLiteral("Łukasz Łoś"), {QStringLiteral("Ł"), QStringLiteral("ś")}},
      {QStringLiteral("Ana 🦉🦉"), {QStringLiteral("🦉")}},
  };
  for (const auto& [text, missing] : cases) {
    EXPECT_EQ(missingCharacters(text), missing) << text.toStdString();
  }
}

}  // namespace
}  // namespace platform::cp1252
