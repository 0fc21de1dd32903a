#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

// The runtime's small functions that the programs rely on, with the runtime's exact results.
namespace platform::rtl {

// The number at the start of a text: leading blanks, tabs and line feeds skipped, blanks inside
// the number ignored, "&H"/"&O" prefixes read as hexadecimal/octal, stops at the first character
// that cannot continue the number; 0 when there is none. Val("  12abc") is 12, Val("1.5e3") 1500.
double Val(const QString& text);

// Trims blanks (spaces) only, not tabs or line breaks.
QString Trim(const QString& text);
QString LTrim(const QString& text);
QString RTrim(const QString& text);

// Rounding to a whole number as the runtime's conversions do: halves go to the even neighbour.
std::int64_t RoundHalfEven(double value);

// A single-precision number as text, as the runtime prints it: at most 7 significant digits,
// no trailing zeros, no decimal point for whole numbers, exponent form "1.5E+09" for very large or
// small magnitudes, "-" for negatives, "0" for zero.
QString FormatSingle(float value);

// A colour given as &HBBGGRR (blue, green, red).
QColor Color(std::uint32_t bgr);
std::uint32_t ColorValue(const QColor& color);

// Twips are 1/1440 inch; the programs' screens have 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace platform::rtl
