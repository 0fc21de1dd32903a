#include "platform/richtext/rtf_code_pages.h"

#include <QByteArray>

#include "platform/files/cp1252.h"

namespace platform::rtf {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kSubstitute = 0x1A;  // what the codecs give for bytes they cannot map

// The Symbol font's glyphs for codes 0x20 to 0xFF as Unicode; 0 where the font has none.
constexpr std::array<char16_t, 224> kSymbolFont = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B,  // 0x20
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,  // 0x30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,  // 0x40
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,  // 0x50
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,  // 0x60
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,  // 0x70
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x80
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x90
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,  // 0xA0
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,  // 0xB0
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,  // 0xC0
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,  // 0xD0
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,  // 0xE0
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    0, 0x27E9, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,  // 0xF0
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

char16_t symbolFontCharacter(unsigned char code) {
  return code >= 0x20 ? kSymbolFont[code - 0x20] : 0;
}

// The codec names Qt knows these code pages by; none for code pages this reader leaves alone.
QByteArray codecName(int number) {
  switch (number) {
    case 437: case 850: return "IBM" + QByteArray::number(number);
    case kMacRoman: return "macintosh";
    case 10006: return "x-mac-greek";
    case 10007: return "x-mac-cyrillic";
    case 10029: return "x-mac-centraleurroman";
    case 10081: return "x-mac-turkish";
    case 874: case 932: case 936: case 949: case 950: case 1250: case 1251: case 1253:
    case 1254: case 1255: case 1256: case 1257: case 1258:
      return "windows-" + QByteArray::number(number);
    default: return {};
  }
}

// The Mac's East Asian and Thai code pages differ from Windows' only in a few symbols.
int windowsCounterpart(int number) {
  switch (number) {
    case 10001: return 932;
    case 10002: return 950;
    case 10003: return 949;
    case 10008: return 936;
    case 10021: return 874;
    default: return number;
  }
}

}  // namespace

int codePageOfCharset(int charset) {
  switch (charset) {
    case 0: return kWindows1252;
    case 2: return kSymbolCodePage;
    case 77: return kMacRoman;
    case 78: return 10001;
    case 79: return 10003;
    case 80: return 10008;
    case 81: return 10002;
    case 83: return 10005;
    case 84: return 10004;
    case 85: return 10006;
    case 86: return 10081;
    case 87: return 10021;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
  }
}

int knownCodePage(int number) {
  number = windowsCounterpart(number);
  return number == kSymbolCodePage || !codecName(number).isEmpty() ? number : kWindows1252;
}

CodePage::CodePage(int number) : number_(number) {
  if (number == kSymbolCodePage) {
    // Codes the font leaves empty keep their Windows-1252 meaning.
    for (int b = 0; b < 256; ++b) {
      const char16_t shown = symbolFontCharacter(static_cast<unsigned char>(b));
      singleBytes_[b] = shown ? shown : cp1252::toUnicode(static_cast<unsigned char>(b)).unicode();
    }
    return;
  }
  const QByteArray name = codecName(number);
  if (!name.isEmpty()) decoder_ = QStringDecoder(name, QStringConverter::Flag::Stateless);
  if (!decoder_.isValid()) {
    number_ = kWindows1252;
    for (int b = 0; b < 256; ++b)
      singleBytes_[b] = cp1252::toUnicode(static_cast<unsigned char>(b)).unicode();
    return;
  }
  if (number == 932 || number == 936 || number == 949 || number == 950) {
    leadFirst_ = 0x81;
    leadLast_ = number == 932 ? 0xFC : 0xFE;
  }
  if (number == 932) {  // Shift-JIS keeps 0xA0 to 0xDF for single-byte katakana
    gapFirst_ = 0x9F;
    gapLast_ = 0xE0;
  }
  readSingleBytes();
}

void CodePage::readSingleBytes() {
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    const QString decoded = isLeadByte(static_cast<unsigned char>(b))
                                ? QString()
                                : decoder_.decode(QByteArrayView(&byte, 1));
    const bool mapped = decoded.size() == 1 && (decoded[0] != kSubstitute || b == kSubstitute);
    singleBytes_[b] = mapped ? decoded[0].unicode() : kReplacement;
  }
}

QString CodePage::pair(unsigned char lead, unsigned char trail) {
  const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
  QString decoded = decoder_.decode(QByteArrayView(bytes, 2));
  decoded.replace(QChar(kSubstitute), QChar(kReplacement));
  return decoded;
}

char16_t CodePage::symbolCharacter(char16_t privateCode) {
  if (privateCode < 0xF020 || privateCode > 0xF0FF) return 0;
  return symbolFontCharacter(static_cast<unsigned char>(privateCode - 0xF000));
}

}  // namespace platform::rtf
