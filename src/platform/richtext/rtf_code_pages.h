#pragma once

#include <QString>
#include <QStringDecoder>
#include <array>

// The code pages RTF text may be written in, as Windows numbers them.
namespace platform::rtf {

inline constexpr int kWindows1252 = 1252;
inline constexpr int kSymbolCodePage = 42;  // Windows' number for symbol fonts
inline constexpr int kMacRoman = 10000;

// The code page a font's \fcharset stands for; 0 when the font follows the document's. The
// ANSI character set (0) is Windows-1252 whatever code page the document names.
int codePageOfCharset(int charset);

// The code page itself when this reader knows it, else Windows-1252.
int knownCodePage(int number);

// Turns bytes of one code page into characters. In the double-byte code pages of East Asia a
// lead byte and the byte after it make one character; every other byte stands alone.
class CodePage {
 public:
  // Code pages this reader does not know, or Qt cannot decode, are read as Windows-1252.
  explicit CodePage(int number);

  int number() const { return number_; }
  bool isLeadByte(unsigned char b) const { return b >= leadFirst_ && b <= leadLast_ && !isGap(b); }
  char16_t character(unsigned char b) const { return singleBytes_[b]; }
  QString pair(unsigned char lead, unsigned char trail);

  // What the Symbol font shows for a code from the private range F020-F0FF, which is how
  // Unicode writers address a symbol font; 0 when the font leaves the code empty.
  static char16_t symbolCharacter(char16_t privateCode);

 private:
  bool isGap(unsigned char b) const { return b > gapFirst_ && b < gapLast_; }
  void readSingleBytes();

  int number_;
  QStringDecoder decoder_;
  std::array<char16_t, 256> singleBytes_{};
  unsigned char leadFirst_ = 0xFF;
  unsigned char leadLast_ = 0;
  unsigned char gapFirst_ = 0xFF;  // lead bytes lie outside (gapFirst_, gapLast_)
  unsigned char gapLast_ = 0;
};

}  // namespace platform::rtf
