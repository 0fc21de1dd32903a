#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "platform/files/cp1252.h"
#include "platform/richtext/rtf.h"

namespace platform::rtf {
namespace {

constexpr int kTwipsPerPixel = 15;

// 7-bit RTF: control words with their delimiters, and text escaped as the syntax requires.
class Output {
 public:
  void raw(const char* bytes) {
    bytes_ += bytes;
    needsDelimiter_ = false;
  }

  void word(const char* name) {
    bytes_ += '\\';
    bytes_ += name;
    needsDelimiter_ = true;
  }

  void word(const char* name, int param) {
    word(name);
    bytes_ += QByteArray::number(param);
  }

  void text(QStringView s) {
    for (const QChar c : s) character(c);
  }

  const QByteArray& bytes() const { return bytes_; }

 private:
  void character(QChar c) {
    const char16_t u = c.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      plain('\\');
      bytes_ += char(u);
    } else if (u == '\t') {
      word("tab");
    } else if (u == QChar::LineSeparator) {
      word("line");
    } else if (u >= 0x20 && u < 0x7F) {
      plain(char(u));
    } else if (u != 0 && u != QChar::ObjectReplacementCharacter && u != 0xFDD0 && u != 0xFDD1) {
      encoded(c);
    }
  }

  void plain(char c) {
    if (needsDelimiter_) bytes_ += ' ';
    needsDelimiter_ = false;
    bytes_ += c;
  }

  // \uN takes a signed 16-bit number and one fallback character for older readers.
  void encoded(QChar c) {
    unsigned char byte = 0;
    if (cp1252::fromUnicode(c, byte)) {
      static constexpr char kHex[] = "0123456789abcdef";
      bytes_ += "\\'";
      bytes_ += kHex[byte >> 4];
      bytes_ += kHex[byte & 0xF];
    } else {
      const int unit = c.unicode();
      bytes_ += "\\u";
      bytes_ += QByteArray::number(unit > 0x7FFF ? unit - 0x10000 : unit);
      bytes_ += '?';
    }
    needsDelimiter_ = false;
  }

  QByteArray bytes_;
  bool needsDelimiter_ = false;
};

// Character formatting as RTF expresses it: indexes into the font and colour tables.
struct RunProperties {
  int font = -1;
  int halfPoints = -1;
  int colour = 0;
  int highlight = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
};

double defaultPointSize(const QFont& font) {
  if (font.pointSizeF() > 0) return font.pointSizeF();
  if (font.pixelSize() > 0) return font.pixelSize() * 0.75;
  return 12.0;
}

const char* familyWord(QFont::StyleHint hint) {
  switch (hint) {
    case QFont::Serif: return "froman";
    case QFont::SansSerif: return "fswiss";
    case QFont::TypeWriter:
    case QFont::Monospace: return "fmodern";
    case QFont::Cursive: return "fscript";
    case QFont::Decorative:
    case QFont::Fantasy: return "fdecor";
    default: return "fnil";
  }
}

class Writer {
 public:
  explicit Writer(const QTextDocument& doc)
      : doc_(doc), defaultPointSize_(defaultPointSize(doc.defaultFont())) {
    fontIndex(doc.defaultFont().family(), doc.defaultFont().styleHint());
  }

  QByteArray result() {
    for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) paragraph(block);
    Output head;
    head.raw("{\\rtf1\\ansi\\ansicpg1252\\deff0");
    fontTable(head);
    colourTable(head);
    head.raw("\\uc1");
    return head.bytes() + body_.bytes() + "}\r\n";
  }

 private:
  void paragraph(const QTextBlock& block) {
    body_.word("pard");
    paragraphFormat(block.blockFormat());
    bool empty = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      runFormat(it.fragment().charFormat());
      body_.text(it.fragment().text());
      empty = false;
    }
    if (empty) runFormat(block.charFormat());
    body_.word("par");
    body_.raw("\r\n");
  }

  void paragraphFormat(const QTextBlockFormat& f) {
    const Qt::Alignment a = f.alignment();
    if (a & Qt::AlignHCenter) body_.word("qc");
    else if (a & Qt::AlignRight) body_.word("qr");
    else if (a & Qt::AlignJustify) body_.word("qj");
    indent("li", f.leftMargin());
    indent("ri", f.rightMargin());
    indent("fi", f.textIndent());
  }

  void indent(const char* name, double pixels) {
    if (!std::isfinite(pixels)) return;
    const long twips = std::lround(std::clamp(pixels * kTwipsPerPixel, -31680.0, 31680.0));
    if (twips != 0) body_.word(name, int(twips));
  }

  // Writes only what changed since the previous run; \pard keeps character formatting.
  void runFormat(const QTextCharFormat& f) {
    const RunProperties p = properties(f);
    if (p.font != written_.font) body_.word("f", p.font);
    if (p.halfPoints != written_.halfPoints) body_.word("fs", p.halfPoints);
    if (p.colour != written_.colour) body_.word("cf", p.colour);
    if (p.highlight != written_.highlight) body_.word("highlight", p.highlight);
    toggle(p.bold, written_.bold, "b", "b0");
    toggle(p.italic, written_.italic, "i", "i0");
    toggle(p.underline, written_.underline, "ul", "ulnone");
    toggle(p.strike, written_.strike, "strike", "strike0");
    written_ = p;
  }

  void toggle(bool now, bool before, const char* on, const char* off) {
    if (now != before) body_.word(now ? on : off);
  }

  RunProperties properties(const QTextCharFormat& f) {
    RunProperties p;
    const QStringList families = f.fontFamilies().toStringList();
    // An unset hint reads as 0, which is SansSerif, not AnyStyle.
    const QFont::StyleHint hint =
        f.hasProperty(QTextFormat::FontStyleHint) ? f.fontStyleHint() : QFont::AnyStyle;
    if (!families.isEmpty() && !families.first().isEmpty())
      p.font = fontIndex(families.first(), hint);
    else
      p.font = 0;
    p.halfPoints = int(std::lround(std::clamp(pointSize(f) * 2, 2.0, 3276.0)));
    if (f.foreground().style() != Qt::NoBrush) p.colour = colourIndex(f.foreground().color());
    if (f.background().style() != Qt::NoBrush) p.highlight = colourIndex(f.background().color());
    p.bold = f.fontWeight() >= QFont::DemiBold;
    p.italic = f.fontItalic();
    p.underline = f.fontUnderline() || f.underlineStyle() != QTextCharFormat::NoUnderline;
    p.strike = f.fontStrikeOut();
    return p;
  }

  // A format without a size of its own shows in the document's default size.
  double pointSize(const QTextCharFormat& f) const {
    double points = f.fontPointSize();
    if (!(points > 0) && f.hasProperty(QTextFormat::FontPixelSize))
      points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    return std::isfinite(points) && points > 0 ? points : defaultPointSize_;
  }

  int fontIndex(const QString& family, QFont::StyleHint hint) {
    const auto [found, added] = fontIndexes_.try_emplace(family, int(fonts_.size()));
    if (added) {
      fonts_.append(family);
      hints_.append(hint);
    }
    return found->second;
  }

  // Index 0 is "automatic", so the first real colour is 1.
  int colourIndex(const QColor& colour) {
    const QRgb rgb = colour.rgb() & RGB_MASK;
    const auto [found, added] = colourIndexes_.try_emplace(rgb, int(colours_.size()) + 1);
    if (added) colours_.append(rgb);
    return found->second;
  }

  void fontTable(Output& out) const {
    out.raw("{\\fonttbl");
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
      out.raw("{");
      out.word("f", int(i));
      out.word(familyWord(hints_[i]));
      out.word("fcharset", 0);
      out.text(QString(fonts_[i]).remove(QChar(';')));
      out.raw(";}");
    }
    out.raw("}\r\n");
  }

  // The empty first entry is "automatic", which \cf0 and \highlight0 refer to.
  void colourTable(Output& out) const {
    out.raw("{\\colortbl ;");
    for (const QRgb rgb : colours_) {
      out.word("red", qRed(rgb));
      out.word("green", qGreen(rgb));
      out.word("blue", qBlue(rgb));
      out.raw(";");
    }
    out.raw("}\r\n");
  }

  const QTextDocument& doc_;
  const double defaultPointSize_;
  Output body_;
  RunProperties written_;
  QStringList fonts_;
  QList<QFont::StyleHint> hints_;
  std::unordered_map<QString, int> fontIndexes_;
  QList<QRgb> colours_;
  std::unordered_map<QRgb, int> colourIndexes_;
};

}  // namespace

QByteArray write(const QTextDocument& doc) { return Writer(doc).result(); }

}  // namespace platform::rtf
