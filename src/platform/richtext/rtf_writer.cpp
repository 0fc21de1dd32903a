#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/files/cp1252.h"
#include "platform/richtext/rtf.h"
#include "platform/richtext/rtf_formats.h"
#include "platform/richtext/rtf_lists.h"
#include "platform/richtext/rtf_pictures.h"

namespace platform::rtf {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMaxTwips = 31680;
constexpr int kListHang = 360;          // the room a list's marker takes, in twips
constexpr int kDefaultTableWidth = 9000;  // twips, for tables whose columns have no fixed width
constexpr int kSymbolCharset = 2;

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

  // A group written elsewhere, such as a picture's.
  void group(const QByteArray& bytes) {
    bytes_ += bytes;
    needsDelimiter_ = false;
  }

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

double pointSizeOf(const QFont& font) {
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

int twipsOf(double pixels) {
  if (!std::isfinite(pixels)) return 0;
  return int(std::lround(std::clamp(pixels * kTwipsPerPixel, double(-kMaxTwips), double(kMaxTwips))));
}

// A side of a cell's border: the cell's own, or where it has none the table's, which is how a
// web page's table gives its lines. Sides go top, left, bottom, right.
struct BorderSide {
  double width = 0;
  QBrush brush;
};

BorderSide borderSide(const QTextTableCellFormat& cell, const QTextTableFormat& table, int side) {
  static constexpr QTextFormat::Property kWidths[] = {
      QTextFormat::TableCellTopBorder, QTextFormat::TableCellLeftBorder,
      QTextFormat::TableCellBottomBorder, QTextFormat::TableCellRightBorder};
  static constexpr QTextFormat::Property kStyles[] = {
      QTextFormat::TableCellTopBorderStyle, QTextFormat::TableCellLeftBorderStyle,
      QTextFormat::TableCellBottomBorderStyle, QTextFormat::TableCellRightBorderStyle};
  static constexpr QTextFormat::Property kBrushes[] = {
      QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellLeftBorderBrush,
      QTextFormat::TableCellBottomBorderBrush, QTextFormat::TableCellRightBorderBrush};
  if (cell.hasProperty(kWidths[side])) {
    if (cell.intProperty(kStyles[side]) == QTextFrameFormat::BorderStyle_None) return {};
    return {cell.doubleProperty(kWidths[side]), cell.brushProperty(kBrushes[side])};
  }
  if (table.borderStyle() == QTextFrameFormat::BorderStyle_None) return {};
  return {table.border(), table.borderBrush()};
}

double cellPadding(const QTextTableCellFormat& cell, const QTextTableFormat& table,
                   QTextFormat::Property side) {
  return cell.hasProperty(side) ? cell.doubleProperty(side) : table.cellPadding();
}

// How wide a column shows, in pixels, where the document is laid out for a width (as a box
// lays out what it shows): its text's width with the padding and lines around it. 0 where
// that cannot be told.
double shownColumnWidth(const QTextTable& table, int column) {
  const QTextDocument* doc = table.document();
  if (!(doc->textWidth() > 0)) return 0;
  const QTextTableFormat tableFormat = table.format();
  for (int r = 0; r < table.rows(); ++r) {
    const QTextTableCell cell = table.cellAt(r, column);
    if (cell.column() != column || cell.columnSpan() != 1) continue;
    const QTextBlock block = cell.firstCursorPosition().block();
    const QTextTableCellFormat f = cell.format().toTableCellFormat();
    const QTextBlockFormat b = block.blockFormat();
    return doc->documentLayout()->blockBoundingRect(block).width() + b.leftMargin() +
           b.rightMargin() + cellPadding(f, tableFormat, QTextFormat::TableCellLeftPadding) +
           cellPadding(f, tableFormat, QTextFormat::TableCellRightPadding) +
           borderSide(f, tableFormat, 1).width + borderSide(f, tableFormat, 3).width;
  }
  return 0;
}

// Where a table's cells end, in twips from its left edge: the fixed widths it was given, else
// the widths it shows at, else an equal share of a page's width.
std::vector<int> cellEdges(const QTextTable& table) {
  const QList<QTextLength> widths = table.format().columnWidthConstraints();
  std::vector<int> edges;
  int right = std::clamp(table.format().intProperty(kTableLeftProperty), -kMaxTwips, kMaxTwips);
  for (int c = 0; c < table.columns(); ++c) {
    const QTextLength width = widths.value(c);
    int twips = kDefaultTableWidth / std::max(table.columns(), 1);
    if (width.type() == QTextLength::FixedLength) {
      twips = std::max(twipsOf(width.rawValue()), 1);
    } else if (const double shown = shownColumnWidth(table, c); shown > 0) {
      twips = std::max(twipsOf(shown), 1);
    } else if (width.type() == QTextLength::PercentageLength) {
      twips = int(std::lround(kDefaultTableWidth * std::clamp(width.rawValue(), 1.0, 100.0) / 100));
    }
    right += twips;
    edges.push_back(right);
  }
  return edges;
}

class Writer {
 public:
  explicit Writer(const QTextDocument& doc)
      : doc_(doc), defaultPointSize_(pointSizeOf(doc.defaultFont())), listTable_(doc) {
    fontIndex(doc.defaultFont().family(), doc.defaultFont().styleHint());
  }

  QByteArray result() {
    frame(*doc_.rootFrame(), 0);
    Output head;
    head.raw("{\\rtf1\\ansi\\ansicpg1252\\deff0");
    fontTable(head);
    colourTable(head);
    head.group(listTable_.groups());
    head.raw("\\uc1");
    return head.bytes() + body_.bytes() + "}\r\n";
  }

 private:
  // Paragraphs and tables in document order; `depth` is how deep in tables the paragraphs are.
  void frame(const QTextFrame& f, int depth) {
    for (auto it = f.begin(); !it.atEnd(); ++it) {
      if (const QTextBlock block = it.currentBlock(); block.isValid()) {
        if (!isOnlyRoomBeforeATable(block)) paragraph(block, depth, false);
      } else if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
        tableRows(*table, depth + 1);
      } else if (it.currentFrame() != nullptr) {
        frame(*it.currentFrame(), depth);
      }
    }
  }

  // The document always has a paragraph before a table that starts it; the file needs none,
  // unless it is a list's item, which the items after it count on.
  static bool isOnlyRoomBeforeATable(const QTextBlock& block) {
    return block.position() == 0 && block.length() == 1 && block.textList() == nullptr &&
           qobject_cast<QTextTable*>(block.document()->frameAt(1)) != nullptr;
  }

  // A table's rows are defined before their cells; a table inside a cell defines each row
  // after its cells, in a group older readers skip.
  void tableRows(const QTextTable& table, int depth) {
    const std::vector<int> edges = cellEdges(table);
    for (int r = 0; r < table.rows(); ++r) {
      if (depth == 1) rowDefinition(table, r, edges);
      for (int c = 0; c < table.columns(); ++c) {
        const QTextTableCell cell = table.cellAt(r, c);
        if (cell.column() != c) continue;  // covered by a cell spanning columns
        if (cell.row() == r) cellContents(cell, depth);
        else emptyCell(depth);
      }
      if (depth == 1) {
        body_.word("row");
      } else {
        body_.raw("{\\*");
        body_.word("nesttableprops");
        rowDefinition(table, r, edges);
        body_.word("nestrow");
        body_.raw("}{");
        body_.word("nonesttables");
        body_.word("par");
        body_.raw("}");
      }
      body_.raw("\r\n");
    }
  }

  void rowDefinition(const QTextTable& table, int r, const std::vector<int>& edges) {
    body_.word("trowd");
    body_.word("trgaph", std::clamp(twipsOf(table.format().cellPadding()), 0, 1440));
    if (const int left = table.format().intProperty(kTableLeftProperty); left != 0)
      body_.word("trleft", std::clamp(left, -kMaxTwips, kMaxTwips));
    for (int c = 0; c < table.columns(); ++c) {
      const QTextTableCell cell = table.cellAt(r, c);
      if (cell.column() != c) continue;
      if (cell.rowSpan() > 1) body_.word(cell.row() == r ? "clvmgf" : "clvmrg");
      cellFormat(cell.format().toTableCellFormat(), table.format());
      body_.word("cellx", edges[std::size_t(std::min(c + cell.columnSpan(), table.columns()) - 1)]);
    }
  }

  void cellFormat(const QTextTableCellFormat& f, const QTextTableFormat& table) {
    static const char* const kSides[] = {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr"};
    for (int side = 0; side < 4; ++side) {
      const BorderSide border = borderSide(f, table, side);
      if (!(border.width > 0)) continue;
      body_.word(kSides[side]);
      body_.word("brdrs");
      body_.word("brdrw", std::clamp(twipsOf(border.width), 1, 255));
      if (border.brush.style() != Qt::NoBrush)
        body_.word("brdrcf", colourIndex(border.brush.color()));
    }
    if (f.background().style() != Qt::NoBrush)
      body_.word("clcbpat", colourIndex(f.background().color()));
  }

  // The cell's paragraphs and tables; its last paragraph ends the cell.
  void cellContents(const QTextTableCell& cell, int depth) {
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
      auto next = it;
      ++next;
      if (const QTextBlock block = it.currentBlock(); block.isValid()) {
        paragraph(block, depth, next.atEnd());
      } else if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
        tableRows(*table, depth + 1);
      } else if (it.currentFrame() != nullptr) {
        frame(*it.currentFrame(), depth);
      }
    }
  }

  void emptyCell(int depth) {
    body_.word("pard");
    tableDepth(depth);
    cellEnd(depth);
  }

  void tableDepth(int depth) {
    if (depth > 0) body_.word("intbl");
    if (depth > 1) body_.word("itap", depth);
  }

  void cellEnd(int depth) { body_.word(depth > 1 ? "nestcell" : "cell"); }

  void paragraph(const QTextBlock& block, int depth, bool endsCell) {
    body_.word("pard");
    tableDepth(depth);
    paragraphFormat(block);
    bool empty = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      runFormat(it.fragment().charFormat());
      fragment(it.fragment());
      empty = false;
    }
    if (empty) runFormat(emptyParagraphFormat(block));
    if (endsCell) return cellEnd(depth);
    body_.word("par");
    body_.raw("\r\n");
  }

  // A cell's first paragraph shares its format with the cell, whose background is its shading.
  static QTextCharFormat emptyParagraphFormat(const QTextBlock& block) {
    QTextCharFormat f = block.charFormat();
    const auto* table = qobject_cast<QTextTable*>(block.document()->frameAt(block.position()));
    if (table && table->cellAt(block.position()).firstPosition() == block.position())
      f.clearBackground();
    return f;
  }

  // Pictures are written as their own groups; everything else is text.
  void fragment(const QTextFragment& f) {
    const QTextCharFormat format = f.charFormat();
    if (!format.isImageFormat()) return body_.text(f.text());
    const QByteArray picture = pictureGroup(doc_, format.toImageFormat());
    for (qsizetype i = 0; i < f.text().size(); ++i) body_.group(picture);
  }

  void paragraphFormat(const QTextBlock& block) {
    const QTextBlockFormat f = block.blockFormat();
    const Qt::Alignment a = f.alignment();
    if (a & Qt::AlignHCenter) body_.word("qc");
    else if (a & Qt::AlignRight) body_.word("qr");
    else if (a & Qt::AlignJustify) body_.word("qj");
    if (const QTextList* list = block.textList()) return listParagraph(block, *list, f);
    indent("li", f.leftMargin());
    indent("ri", f.rightMargin());
    indent("fi", f.textIndent());
    spacing(f);
  }

  void spacing(const QTextBlockFormat& f) {
    indent("sb", std::max(f.topMargin(), 0.0));
    indent("sa", std::max(f.bottomMargin(), 0.0));
    lineHeight(f);
    tabStops(f);
    if (f.nonBreakableLines()) body_.word("keep");
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) body_.word("pagebb");
  }

  void lineHeight(const QTextBlockFormat& f) {
    const double height = f.lineHeight();
    if (!std::isfinite(height) || !(height > 0)) return;
    switch (f.lineHeightType()) {
      case QTextBlockFormat::ProportionalHeight:
        if (std::lround(height) == 100) return;
        body_.word("sl", int(std::lround(std::min(height, 1000.0) * 240 / 100)));
        body_.word("slmult", 1);
        return;
      case QTextBlockFormat::FixedHeight:
        body_.word("sl", -twipsOf(height));
        body_.word("slmult", 0);
        return;
      case QTextBlockFormat::MinimumHeight:
        body_.word("sl", twipsOf(height));
        body_.word("slmult", 0);
        return;
      default: return;
    }
  }

  void tabStops(const QTextBlockFormat& f) {
    static const char* const kLeaders[] = {nullptr, "tldot", "tlhyph", "tlul", "tlth", "tleq",
                                           "tlmdot"};
    const QList<QVariant> leaders = f.property(kTabLeadersProperty).toList();
    const QList<QTextOption::Tab> tabs = f.tabPositions();
    for (qsizetype i = 0; i < tabs.size(); ++i) {
      const int leader = leaders.value(i).toInt();
      if (leader > 0 && leader < 7) body_.word(kLeaders[leader]);
      if (tabs[i].type == QTextOption::RightTab) body_.word("tqr");
      else if (tabs[i].type == QTextOption::CenterTab) body_.word("tqc");
      else if (tabs[i].type == QTextOption::DelimiterTab) body_.word("tqdec");
      body_.word("tx", std::max(twipsOf(tabs[i].position), 0));
    }
  }

  // Old readers show the \pntext marker, simple editors number from \pn, word processors
  // from the list table (\ls) at the list's level. The marker hangs in front of the text,
  // unless the file the list came from placed it otherwise.
  void listParagraph(const QTextBlock& block, const QTextList& list, const QTextBlockFormat& f) {
    const QTextListFormat format = list.format();
    const bool fromFile = format.hasProperty(kListLevelProperty);
    const double listIndent = fromFile ? 0 : format.indent() * doc_.indentWidth();
    const int left = twipsOf(f.leftMargin() + listIndent);
    const int first =
        f.hasProperty(kListFirstIndentProperty)
            ? std::clamp(f.intProperty(kListFirstIndentProperty), -kMaxTwips, kMaxTwips)
            : -kListHang;
    if (first != 0) body_.word("fi", first);
    body_.word("li", fromFile ? left : std::max(left, kListHang));
    indent("ri", f.rightMargin());
    spacing(f);
    listMarker(block, list, format.style());
    const ListTable::Place place = listTable_.placeOf(list);
    body_.word("ls", place.list);
    body_.word("ilvl", place.level);
  }

  void listMarker(const QTextBlock& block, const QTextList& list, QTextListFormat::Style style) {
    const bool bullet = style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
                        style == QTextListFormat::ListSquare;
    if (bullet) {
      const int symbol = fontIndex(QStringLiteral("Symbol"), QFont::AnyStyle, kSymbolCharset);
      body_.raw("{");
      body_.word("pntext");
      body_.word("f", symbol);
      body_.raw("\\'b7");
      body_.word("tab");
      body_.raw("}{\\*");
      body_.word("pn");
      body_.word("pnlvlblt");
      body_.word("pnf", symbol);
      body_.word("pnindent", 0);
      body_.raw("{");
      body_.word("pntxtb");
      body_.raw("\\'b7}}");
      return;
    }
    body_.raw("{");
    body_.word("pntext");
    body_.text(list.itemText(block));
    body_.word("tab");
    body_.raw("}{\\*");
    body_.word("pn");
    body_.word("pnlvlbody");
    body_.word(numberingWord(style));
    body_.word("pnstart", list.itemNumber(block) + 1);
    body_.word("pnindent", 0);
    body_.raw("{");
    body_.word("pntxta");
    body_.raw(".}}");
  }

  static const char* numberingWord(QTextListFormat::Style style) {
    switch (style) {
      case QTextListFormat::ListLowerAlpha: return "pnlcltr";
      case QTextListFormat::ListUpperAlpha: return "pnucltr";
      case QTextListFormat::ListLowerRoman: return "pnlcrm";
      case QTextListFormat::ListUpperRoman: return "pnucrm";
      default: return "pndec";
    }
  }

  void indent(const char* name, double pixels) {
    if (const int twips = twipsOf(pixels); twips != 0) body_.word(name, twips);
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

  // A format without a size of its own shows in the document's default size, or, as a web
  // page's heading does, in a size relative to it that the document works out.
  double pointSize(const QTextCharFormat& f) const {
    double points = f.fontPointSize();
    if (!(points > 0) && f.hasProperty(QTextFormat::FontPixelSize))
      points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    if (!(points > 0) && f.hasProperty(QTextFormat::FontSizeAdjustment))
      points = pointSizeOf(f.font());
    return std::isfinite(points) && points > 0 ? points : defaultPointSize_;
  }

  int fontIndex(const QString& family, QFont::StyleHint hint, int charset = 0) {
    // The list markers' symbol font is an entry of its own, apart from any text's font.
    const auto [found, added] = fontIndexes_.try_emplace({family, charset}, int(fonts_.size()));
    if (added) {
      fonts_.append(family);
      hints_.append(hint);
      charsets_.append(charset);
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
      out.word("fcharset", charsets_[i]);
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
  ListTable listTable_;
  RunProperties written_;
  QStringList fonts_;
  QList<QFont::StyleHint> hints_;
  QList<int> charsets_;
  std::map<std::pair<QString, int>, int> fontIndexes_;
  QList<QRgb> colours_;
  std::unordered_map<QRgb, int> colourIndexes_;
};

}  // namespace

QByteArray write(const QTextDocument& doc) { return Writer(doc).result(); }

}  // namespace platform::rtf
