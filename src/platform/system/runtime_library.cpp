#include "platform/system/runtime_library.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace platform::rtl {
namespace {

bool isIgnoredInNumber(QChar c) { return c == ' ' || c == '\t' || c == '\n'; }

// The text with the blanks, tabs and line feeds that Val skips taken out.
std::u16string squeezed(const QString& text) {
  std::u16string result;
  result.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    if (!isIgnoredInNumber(c)) result.push_back(c.unicode());
  }
  return result;
}

int digitValue(char16_t c, int base) {
  int value = base;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  return value < base ? value : -1;
}

// "&H" and "&O" numbers are whole numbers of the runtime's integer types: up to &HFFFF they are
// 16-bit, up to &HFFFFFFFF 32-bit, so &HFFFF is -1 as in the original runtime.
double radixValue(const std::u16string& digits, int base) {
  std::uint64_t value = 0;
  for (char16_t c : digits) {
    const int digit = digitValue(c, base);
    if (digit < 0) break;
    if (value > (std::numeric_limits<std::uint64_t>::max() >> 4)) break;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
  }
  if (value <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  if (value <= 0xFFFFFFFF) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  return static_cast<double>(value);
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The longest prefix of `text` that is a decimal number ("-1.5E+3"), in ASCII.
std::string decimalPrefix(const std::u16string& text) {
  std::string number;
  std::size_t i = 0;
  const auto takeDigits = [&] {
    while (i < text.size() && isDigit(text[i])) number.push_back(static_cast<char>(text[i++]));
  };
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
    if (text[i] == u'-') number.push_back('-');
    ++i;
  }
  takeDigits();
  if (i < text.size() && text[i] == u'.') {
    number.push_back('.');
    ++i;
    takeDigits();
  }
  // The runtime also takes "D" for the exponent of a double.
  const std::size_t exponentStart = i;
  if (i < text.size() &&
      (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
    std::string exponent = "e";
    ++i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
      exponent.push_back(static_cast<char>(text[i++]));
    if (i < text.size() && isDigit(text[i])) {
      number += exponent;
      takeDigits();
    } else {
      i = exponentStart;
    }
  }
  return number;
}

// The decimal exponent of `number`'s magnitude, saturating far beyond any double's range.
long long decimalMagnitude(const std::string& number) {
  const std::size_t ePos = number.find('e');
  const std::string mantissa = number.substr(0, ePos);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t firstSignificant = mantissa.find_first_of("123456789");
  if (firstSignificant == std::string::npos) return std::numeric_limits<long long>::min();
  long long magnitude = static_cast<long long>(point) - static_cast<long long>(firstSignificant);
  if (ePos == std::string::npos) return magnitude;
  long long exponent = 0;
  const bool negative = number[ePos + 1] == '-';
  for (std::size_t i = ePos + 1; i < number.size(); ++i) {
    if (isDigit(static_cast<char16_t>(number[i])) && exponent < 1'000'000'000) {
      exponent = exponent * 10 + (number[i] - '0');
    }
  }
  return magnitude + (negative ? -exponent : exponent);
}

// A number too large for a double saturates at the largest one; one too small becomes 0.
double saturated(const std::string& number) {
  if (decimalMagnitude(number) <= 0) return 0.0;
  const double largest = std::numeric_limits<double>::max();
  return number[0] == '-' ? -largest : largest;
}

double decimalValue(const std::u16string& text) {
  const std::string number = decimalPrefix(text);
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) return saturated(number);
  if (error != std::errc()) return 0.0;
  return value == 0.0 ? 0.0 : value;  // never -0
}

struct SystemColor {
  std::uint32_t index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The system colours (&H800000nn) the programs use, as roles of the desktop's palette.
constexpr std::array<SystemColor, 15> kSystemColors = {{
    {0x01, QPalette::Active, QPalette::Window},           // desktop
    {0x02, QPalette::Active, QPalette::Highlight},        // active title bar
    {0x04, QPalette::Active, QPalette::Window},           // menu bar
    {0x05, QPalette::Active, QPalette::Base},             // window background
    {0x07, QPalette::Active, QPalette::WindowText},       // menu text
    {0x08, QPalette::Active, QPalette::Text},             // window text
    {0x0D, QPalette::Active, QPalette::Highlight},        // selected item
    {0x0E, QPalette::Active, QPalette::HighlightedText},  // selected item's text
    {0x0F, QPalette::Active, QPalette::Button},           // button face
    {0x10, QPalette::Active, QPalette::Dark},             // button shadow
    {0x11, QPalette::Disabled, QPalette::Text},           // greyed text
    {0x12, QPalette::Active, QPalette::ButtonText},       // button text
    {0x14, QPalette::Active, QPalette::Light},            // button highlight
    {0x17, QPalette::Active, QPalette::ToolTipText},      // tip text
    {0x18, QPalette::Active, QPalette::ToolTipBase},      // tip background
}};

QColor systemColor(std::uint32_t index) {
  const QPalette palette = QGuiApplication::palette();
  for (const SystemColor& entry : kSystemColors) {
    if (entry.index == index) return palette.color(entry.group, entry.role);
  }
  return palette.color(QPalette::Window);
}

}  // namespace

double Val(const QString& text) {
  const std::u16string chars = squeezed(text);
  if (chars.size() >= 2 && chars[0] == u'&') {
    if (chars[1] == u'H' || chars[1] == u'h') return radixValue(chars.substr(2), 16);
    if (chars[1] == u'O' || chars[1] == u'o') return radixValue(chars.substr(2), 8);
  }
  return decimalValue(chars);
}

QString LTrim(const QString& text) {
  qsizetype start = 0;
  while (start < text.size() && text.at(start) == ' ') ++start;
  return text.mid(start);
}

QString RTrim(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1) == ' ') --end;
  return text.left(end);
}

QString Trim(const QString& text) { return LTrim(RTrim(text)); }

std::int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  const double below = std::floor(value);
  const double fraction = value - below;
  double rounded = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
  // 2^63 is the first double past the range; converting it or beyond would be undefined.
  constexpr double kLimit = 9223372036854775808.0;
  if (rounded >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (rounded < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(rounded);
}

QString FormatSingle(float value) {
  if (value == 0.0f) return QStringLiteral("0");
  // Seven significant digits, the shorter of plain and exponent form as "%G" chooses it.
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                    static_cast<double>(value), std::chars_format::general, 7);
  return QString::fromLatin1(buffer.data(), result.ptr - buffer.data()).toUpper();
}

QColor Color(std::uint32_t bgr) {
  if ((bgr & 0xFF000000u) == 0x80000000u) return systemColor(bgr & 0xFFu);
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t ColorValue(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
         (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

}  // namespace platform::rtl
