#include "platform/system/runtime_library.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>
#include <limits>

namespace platform::rtl {
namespace {

TEST(Val, ReadsTheNumberAtTheStart) {
  const double largest = std::numeric_limits<double>::max();
  const std::pair<QString, double> cases[] = {
      {"", 0},
      {"  12abc", 12},
      {"1.5e3", 1500},
      {"&HFF", 255},
      {"&O17", 15},
      {"-3.25", -3.25},
      {"1 2 3", 123},
      {".5", 0.5},
      {"abc", 0},
      {"1e400", largest},
      {"-1e400", -largest},
      {"1e-400", 0},
      {"\t\n 42", 42},
      {"+7", 7},
      {"- 8", -8},
      {"--8", 0},
      {"1.2.3", 1.2},
      {"5.", 5},
      {".", 0},
      {"-", 0},
      {"2e", 2},
      {"2e+", 2},
      {"2E-2x", 0.02},
      {"1D2", 100},
      {"12,5", 12},
      {"\r12", 0},
      {"-0", 0},
      {"&hff", 255},
      {"&H", 0},
      {"&HFFFF", -1},
      {"&H10000", 65536},
      {"&HFFFFFFFF", -1},
      {"&H1G", 1},
      {"&O8", 0},
      {"&Z1", 0},
      {"0001.50", 1.5},
      {"1e99999999999999999999", largest},
      {"0.000e999999", 0},
      {"100000e-400", 0},
      {"0.001e310", 1e307},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(Val(text), expected) << '"' << text.toStdString() << '"';
  }
  EXPECT_FALSE(std::signbit(Val("-0")));
}

TEST(Trim, RemovesSpacesOnly) {
  const std::tuple<QString, QString, QString, QString> cases[] = {
      // text, LTrim, RTrim, Trim
      {"  a b  ", "a b  ", "  a b", "a b"},
      {"\ta\t", "\ta\t", "\ta\t", "\ta\t"},
      {"\r\n a \r\n", "\r\n a \r\n", "\r\n a \r\n", "\r\n a \r\n"},
      {QString::fromUtf8("\u00A0a "), QString::fromUtf8("\u00A0a "), QString::fromUtf8("\u00A0a"),
       QString::fromUtf8("\u00A0a")},
      {"    ", "", "", ""},
      {"", "", "", ""},
  };
  for (const auto& [text, left, right, both] : cases) {
    EXPECT_EQ(LTrim(text), left);
    EXPECT_EQ(RTrim(text), right);
    EXPECT_EQ(Trim(text), both);
  }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, std::int64_t> cases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {0.49, 0},
      {0.51, 1},
      {-0.51, -1},
      {7, 7},
      {-7, -7},
      {1e15 + 0.5, 1000000000000000},
      {1e300, std::numeric_limits<std::int64_t>::max()},
      {-1e300, std::numeric_limits<std::int64_t>::min()},
      {std::numeric_limits<double>::infinity(), std::numeric_limits<std::int64_t>::max()},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(RoundHalfEven(value), expected) << value;
  }
}

TEST(FormatSingle, PrintsSevenSignificantDigits) {
  const std::pair<float, QString> cases[] = {
      {1000.0f, "1000"},
      {6500.5f, "6500.5"},
      {0.1f, "0.1"},
      {1.0f / 3, "0.3333333"},
      {1.5e9f, "1.5E+09"},
      {1e-5f, "1E-05"},
      {-2.0f, "-2"},
      {0.0f, "0"},
      {-0.0f, "0"},
      {12345678.0f, "1.234568E+07"},
      {1234567.0f, "1234567"},
      {0.0001f, "0.0001"},
      {-0.25f, "-0.25"},
      {9000.75f, "9000.75"},
      {3.4e38f, "3.4E+38"},
      {1.5e-20f, "1.5E-20"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(FormatSingle(value), expected) << value;
  }
}

TEST(Color, ReadsBlueGreenRed) {
  const std::pair<std::uint32_t, QColor> cases[] = {
      {0xC0FFFF, QColor(255, 255, 192)}, {0x0000FF, QColor(255, 0, 0)},
      {0x00FF00, QColor(0, 255, 0)},     {0xFF0000, QColor(0, 0, 255)},
      {0x0080FF, QColor(255, 128, 0)},   {0x000000, QColor(0, 0, 0)},
  };
  for (const auto& [bgr, expected] : cases) {
    EXPECT_EQ(Color(bgr), expected) << std::hex << bgr;
    EXPECT_EQ(ColorValue(expected), bgr) << std::hex << bgr;
  }
}

TEST(Color, SystemColoursComeFromThePalette) {
  const QPalette palette = QGuiApplication::palette();
  EXPECT_EQ(Color(0x8000000F), palette.color(QPalette::Button));
  EXPECT_EQ(Color(0x80000005), palette.color(QPalette::Base));
  EXPECT_EQ(Color(0x80000008), palette.color(QPalette::Text));
}

}  // namespace
}  // namespace platform::rtl
