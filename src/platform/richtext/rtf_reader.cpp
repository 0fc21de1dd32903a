#include <QColor>
#include <QFont>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/files/cp1252.h"
#include "platform/richtext/rtf.h"
#include "platform/richtext/rtf_code_pages.h"
#include "platform/richtext/rtf_formats.h"
#include "platform/richtext/rtf_lexer.h"
#include "platform/richtext/rtf_lists.h"
#include "platform/richtext/rtf_pictures.h"
#include "platform/richtext/rtf_tables.h"

namespace platform::rtf {
namespace {

// Limits that keep damaged or hostile input from growing the reader without bound.
constexpr std::size_t kMaxGroupDepth = 1000;
constexpr std::size_t kMaxTableEntries = 8192;
constexpr qsizetype kMaxFontNameLength = 256;
constexpr int kMaxTwips = 31680;  // 22 inches
constexpr int kTwipsPerPixel = 15;
constexpr std::size_t kFormatCacheSize = 16;
constexpr std::size_t kMaxTabStops = 32;
constexpr qsizetype kMaxMarkerLength = 32;
constexpr int kMaxListOverride = 1 << 20;
constexpr int kSingleLine = 240;  // \sl of single spacing with \slmult1

enum class Action {
  Bold, Italic, Hidden, Underline, UnderlineOff, Strike, Font, FontSize, Colour, Highlight, Plain,
  ParagraphDefaults, Align, LeftIndent, RightIndent, FirstIndent, Paragraph, Character,
  UnicodeCharacter, UnicodeSkip, DefaultFont, FontTable, ColourTable, SkipDestination,
  FontFamily, Red, Green, Blue, DocumentCodePage, Charset, FontCodePage,
  SpaceBefore, SpaceAfter, LineSpacing, LineMultiple, TabKind, TabLeader, TabStop, Keep,
  PageBreakBefore, InTable, TableDepth, RowDefaults, RowGap, RowLeft, CellRight, CellBorder, OtherBorder,
  BorderStyle, BorderNone, BorderWidth, BorderColour, CellShading, Cell, NestedCell, Row,
  NestedRow, Picture, PictureKind, PictureWidth, PictureHeight, PictureGoalWidth,
  PictureGoalHeight, PictureScaleX, PictureScaleY, ShapePicture, NonShapePicture, ListMarker,
  OldList, OldListNumbering, OldListContinues, OldListStart, ListOverride, ListLevel, ListTable,
  ListOverrideTable, ListDefinition, ListLevelDefinition, LevelNumbering, ListId, ByteClass,
  AssociatedFont, NestedRowProperties,
};

struct Word {
  Action action;
  int arg = 0;
};

const std::unordered_map<std::string_view, Word>& words() {
  static const std::unordered_map<std::string_view, Word> table = [] {
    std::unordered_map<std::string_view, Word> t = {
        {"b", {Action::Bold}}, {"i", {Action::Italic}}, {"v", {Action::Hidden}},
        {"strike", {Action::Strike}},
        {"striked", {Action::Strike}}, {"ulnone", {Action::UnderlineOff}},
        {"f", {Action::Font}}, {"fs", {Action::FontSize}}, {"cf", {Action::Colour}},
        {"highlight", {Action::Highlight}}, {"cb", {Action::Highlight}},
        {"chcbpat", {Action::Highlight}}, {"plain", {Action::Plain}},
        {"pard", {Action::ParagraphDefaults}},
        {"ql", {Action::Align, Qt::AlignLeft}}, {"qc", {Action::Align, Qt::AlignHCenter}},
        {"qr", {Action::Align, Qt::AlignRight}}, {"qj", {Action::Align, Qt::AlignJustify}},
        {"li", {Action::LeftIndent}}, {"ri", {Action::RightIndent}},
        {"fi", {Action::FirstIndent}},
        {"par", {Action::Paragraph}}, {"row", {Action::Row}},
        {"nestrow", {Action::NestedRow}},
        {"line", {Action::Character, 0x2028}}, {"tab", {Action::Character, '\t'}},
        {"cell", {Action::Cell}}, {"nestcell", {Action::NestedCell}},
        {"emdash", {Action::Character, 0x2014}}, {"endash", {Action::Character, 0x2013}},
        {"lquote", {Action::Character, 0x2018}}, {"rquote", {Action::Character, 0x2019}},
        {"ldblquote", {Action::Character, 0x201C}},
        {"rdblquote", {Action::Character, 0x201D}}, {"bullet", {Action::Character, 0x2022}},
        {"emspace", {Action::Character, 0x2003}}, {"enspace", {Action::Character, 0x2002}},
        {"qmspace", {Action::Character, 0x2005}},
        {"u", {Action::UnicodeCharacter}}, {"uc", {Action::UnicodeSkip}},
        {"deff", {Action::DefaultFont}},
        {"fonttbl", {Action::FontTable}}, {"colortbl", {Action::ColourTable}},
        {"fnil", {Action::FontFamily, QFont::AnyStyle}},
        {"froman", {Action::FontFamily, QFont::Serif}},
        {"fswiss", {Action::FontFamily, QFont::SansSerif}},
        {"fmodern", {Action::FontFamily, QFont::TypeWriter}},
        {"fscript", {Action::FontFamily, QFont::Cursive}},
        {"fdecor", {Action::FontFamily, QFont::Decorative}},
        {"red", {Action::Red}}, {"green", {Action::Green}}, {"blue", {Action::Blue}},
        {"ansi", {Action::DocumentCodePage, kWindows1252}},
        {"mac", {Action::DocumentCodePage, kMacRoman}},
        {"pc", {Action::DocumentCodePage, 437}}, {"pca", {Action::DocumentCodePage, 850}},
        {"ansicpg", {Action::DocumentCodePage}}, {"fcharset", {Action::Charset}},
        {"cpg", {Action::FontCodePage}},
        {"sb", {Action::SpaceBefore}}, {"sa", {Action::SpaceAfter}},
        {"sl", {Action::LineSpacing}}, {"slmult", {Action::LineMultiple}},
        {"tqr", {Action::TabKind, QTextOption::RightTab}},
        {"tqc", {Action::TabKind, QTextOption::CenterTab}},
        {"tqdec", {Action::TabKind, QTextOption::DelimiterTab}},
        {"tldot", {Action::TabLeader, 1}}, {"tlhyph", {Action::TabLeader, 2}},
        {"tlul", {Action::TabLeader, 3}}, {"tlth", {Action::TabLeader, 4}},
        {"tleq", {Action::TabLeader, 5}}, {"tlmdot", {Action::TabLeader, 6}},
        {"tx", {Action::TabStop}}, {"tb", {Action::TabStop}},
        {"keep", {Action::Keep}}, {"pagebb", {Action::PageBreakBefore}},
        {"intbl", {Action::InTable}}, {"itap", {Action::TableDepth}},
        {"trowd", {Action::RowDefaults}}, {"trgaph", {Action::RowGap}},
        {"trleft", {Action::RowLeft}},
        {"cellx", {Action::CellRight}},
        {"clbrdrt", {Action::CellBorder, 0}}, {"clbrdrl", {Action::CellBorder, 1}},
        {"clbrdrb", {Action::CellBorder, 2}}, {"clbrdrr", {Action::CellBorder, 3}},
        {"brdrt", {Action::OtherBorder}}, {"brdrl", {Action::OtherBorder}},
        {"brdrb", {Action::OtherBorder}}, {"brdrr", {Action::OtherBorder}},
        {"box", {Action::OtherBorder}}, {"brsp", {Action::OtherBorder}},
        {"trbrdrt", {Action::OtherBorder}}, {"trbrdrl", {Action::OtherBorder}},
        {"trbrdrb", {Action::OtherBorder}}, {"trbrdrr", {Action::OtherBorder}},
        {"trbrdrh", {Action::OtherBorder}}, {"trbrdrv", {Action::OtherBorder}},
        {"brdrnone", {Action::BorderNone}}, {"brdrnil", {Action::BorderNone}},
        {"brdrw", {Action::BorderWidth}}, {"brdrcf", {Action::BorderColour}},
        {"clcbpat", {Action::CellShading}},
        {"pict", {Action::Picture}},
        {"picw", {Action::PictureWidth}}, {"pich", {Action::PictureHeight}},
        {"picwgoal", {Action::PictureGoalWidth}}, {"pichgoal", {Action::PictureGoalHeight}},
        {"picscalex", {Action::PictureScaleX}}, {"picscaley", {Action::PictureScaleY}},
        {"shppict", {Action::ShapePicture}}, {"nonshppict", {Action::NonShapePicture}},
        {"pntext", {Action::ListMarker}}, {"listtext", {Action::ListMarker}},
        {"pn", {Action::OldList}},
        {"pnlvlblt", {Action::OldListNumbering, QTextListFormat::ListDisc}},
        {"pndec", {Action::OldListNumbering, QTextListFormat::ListDecimal}},
        {"pnlcltr", {Action::OldListNumbering, QTextListFormat::ListLowerAlpha}},
        {"pnucltr", {Action::OldListNumbering, QTextListFormat::ListUpperAlpha}},
        {"pnlcrm", {Action::OldListNumbering, QTextListFormat::ListLowerRoman}},
        {"pnucrm", {Action::OldListNumbering, QTextListFormat::ListUpperRoman}},
        {"pnlvlcont", {Action::OldListContinues}}, {"pnstart", {Action::OldListStart}},
        {"ls", {Action::ListOverride}}, {"ilvl", {Action::ListLevel}},
        {"listtable", {Action::ListTable}}, {"listoverridetable", {Action::ListOverrideTable}},
        {"list", {Action::ListDefinition}}, {"listlevel", {Action::ListLevelDefinition}},
        {"levelnfc", {Action::LevelNumbering}}, {"levelnfcn", {Action::LevelNumbering}},
        {"listid", {Action::ListId}},
        {"loch", {Action::ByteClass, 0}}, {"hich", {Action::ByteClass, 1}},
        {"dbch", {Action::ByteClass, 2}}, {"rtlch", {Action::ByteClass, 0}},
        {"ltrch", {Action::ByteClass, 0}}, {"af", {Action::AssociatedFont}},
        {"nesttableprops", {Action::NestedRowProperties}},
    };
    for (std::string_view kind : {"pngblip", "jpegblip", "emfblip", "wmetafile", "macpict",
                                  "pmmetafile", "dibitmap", "wbitmap"})
      t.emplace(kind, Word{Action::PictureKind});
    for (std::string_view style : {"brdrs", "brdrth", "brdrsh", "brdrdb", "brdrdot", "brdrdash",
                                   "brdrhair", "brdrinset", "brdroutset", "brdrtriple",
                                   "brdrdashsm", "brdrdashd", "brdrdashdd", "brdrwavy",
                                   "brdrengrave", "brdremboss", "brdrframe"})
      t.emplace(style, Word{Action::BorderStyle});
    for (std::string_view ul : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
      t.emplace(ul, Word{Action::Underline});
    // Destinations whose contents are not text of the document.
    for (std::string_view skip :
         {"shp", "object", "fldinst", "stylesheet", "info",
          "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
          "footnote", "annotation", "xe", "tc", "txe", "rxe", "pnseclvl", "revtbl", "rsidtbl", "filetbl", "template", "ftnsep", "ftnsepc",
          "ftncn", "aftnsep", "aftnsepc", "aftncn", "do", "docvar", "userprops", "themedata",
          "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "generator",
          "nonesttables"})
      t.emplace(skip, Word{Action::SkipDestination});
    return t;
  }();
  return table;
}

struct CharState {
  int font = -1;  // the document's default font
  int halfPoints = 24;
  int colour = 0;  // 0: automatic
  int highlight = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  bool hidden = false;
  bool operator==(const CharState&) const = default;
};

struct TabStop {
  int twips = 0;
  QTextOption::TabType kind = QTextOption::LeftTab;
  int leader = 0;  // none, dots, hyphens, underline, thick line, equal signs, middle dots
};

struct ParagraphState {
  Qt::Alignment alignment = Qt::AlignLeft;
  int leftTwips = 0;
  int rightTwips = 0;
  int firstLineTwips = 0;
  int spaceBeforeTwips = 0;
  int spaceAfterTwips = 0;
  int lineSpacing = 0;  // \sl: 0 single, else twips (negative: exactly) or with \slmult 240ths
  bool lineMultiple = false;
  bool keep = false;
  bool pageBreakBefore = false;
  int tableDepth = 0;
  ListParagraph list;
  std::size_t tabCount = 0;
  std::array<TabStop, kMaxTabStops> tabs;
  TabStop nextTab;  // what \tqr, \tldot and the like said about the \tx to come
};

enum class Destination {
  Text, FontTable, ColourTable, Skip, Picture, ListMarker, OldList, ListTable, ListOverrideTable,
};

// Which font encoded bytes are read in: after \hich the high-ANSI font, after \dbch the
// double-byte font (each set by \af or \f after the word), else the character font.
enum class ByteClass { Low, High, Double };

struct ByteFonts {
  ByteClass current = ByteClass::Low;
  int high = -1;  // -1: the character font
  int doubleByte = -1;
};

struct GroupState {
  CharState chars;
  ParagraphState paragraph;
  ByteFonts byteFonts;
  Destination destination = Destination::Text;
  int unicodeSkip = 1;
};

struct FontEntry {
  QString name;
  QFont::StyleHint hint = QFont::AnyStyle;
  int codePage = 0;  // 0: the document's
};

// Word processors mark other symbol fonts the same way, but only this one's glyphs are known.
bool isSymbolFont(const FontEntry& f) {
  return f.codePage == kSymbolCodePage && f.name.compare(u"Symbol", Qt::CaseInsensitive) == 0;
}

// Characters a document cannot hold as text: object and frame markers, and NUL.
bool isMarker(char16_t c) {
  return c == 0 || c == 0xFDD0 || c == 0xFDD1 || c == QChar::ObjectReplacementCharacter;
}

bool isOn(const Token& t) { return !t.hasParam || t.param != 0; }
int twips(const Token& t) { return std::clamp(t.param, -kMaxTwips, kMaxTwips); }

class Reader {
 public:
  explicit Reader(QTextDocument& doc) : cursor_(&doc), tables_(cursor_) {}

  void run(std::string_view rtf) {
    cursor_.beginEditBlock();
    Lexer lexer(rtf);
    // Whatever follows the group that holds the document is not part of it.
    for (Token t = lexer.next(); t.kind != Token::Kind::End && !documentClosed_; t = lexer.next())
      handle(t);
    finish();
    cursor_.endEditBlock();
  }

 private:
  void handle(const Token& t) {
    const bool starred = std::exchange(starred_, false);
    switch (t.kind) {
      case Token::Kind::GroupStart: return openGroup();
      case Token::Kind::GroupEnd: return closeGroup();
      case Token::Kind::Text: return text(t.word);
      case Token::Kind::ControlWord:
        if (state_.destination == Destination::Picture && !t.binary.empty())
          picture_.data.append(t.binary.data(), qsizetype(t.binary.size()));
        if (!swallowedAsFallback()) controlWord(t, starred);
        return;
      case Token::Kind::ControlSymbol:
        if (!swallowedAsFallback()) controlSymbol(t.symbol);
        return;
      case Token::Kind::HexByte:
        if (!swallowedAsFallback() && state_.destination != Destination::Skip) encodedByte(t.byte);
        return;
      case Token::Kind::End: return;
    }
  }

  // After \uN the next characters are the replacement for readers without Unicode.
  bool swallowedAsFallback() {
    if (fallbackLeft_ == 0) return false;
    --fallbackLeft_;
    return true;
  }

  // Past the depth limit groups are flattened: their formatting leaks, their text stays.
  void openGroup() {
    fallbackLeft_ = 0;
    leadByte_ = 0;
    if (stack_.size() >= kMaxGroupDepth) {
      ++flattenedDepth_;
      return;
    }
    stack_.push_back(state_);
  }

  // A "}" without its "{" is ignored, and so is a missing "}" at the end.
  void closeGroup() {
    fallbackLeft_ = 0;
    leadByte_ = 0;
    if (flattenedDepth_ > 0) {
      --flattenedDepth_;
      return;
    }
    if (stack_.empty()) return;
    // An entry may lack its ";" before the "}" that closes it.
    if (state_.destination == Destination::FontTable && !fontBeingRead_.name.isEmpty())
      commitFont();
    const Destination closing = state_.destination;
    state_ = stack_.back();
    stack_.pop_back();
    documentClosed_ = stack_.empty();
    if (closing == state_.destination) return;
    if (closing == Destination::Picture) endPicture();
    if (closing == Destination::OldList && !oldListContinues_) {
      state_.paragraph.list.numbered = true;
      state_.paragraph.list.numbering = oldListNumbering_;
      state_.paragraph.list.start = oldListStart_;
      state_.paragraph.list.ownGroup = true;
    }
  }

  // Destinations behind \* that this reader understands are read; the others are skipped.
  void controlWord(const Token& t, bool starred) {
    leadByte_ = 0;
    const auto found = words().find(t.word);
    if (state_.destination == Destination::Skip) {
      if (!starred || found == words().end() || !isStarredDestination(found->second.action))
        return;
      state_.destination = beforeStar_;
    }
    if (found != words().end()) apply(found->second, t);
  }

  static bool isStarredDestination(Action a) {
    return a == Action::ShapePicture || a == Action::OldList || a == Action::ListTable ||
           a == Action::ListOverrideTable || a == Action::NestedRowProperties;
  }

  void apply(Word word, const Token& t) {
    CharState& c = state_.chars;
    switch (word.action) {
      case Action::Bold: c.bold = isOn(t); break;
      case Action::Italic: c.italic = isOn(t); break;
      case Action::Hidden: c.hidden = isOn(t); break;
      case Action::Underline: c.underline = isOn(t); break;
      case Action::UnderlineOff: c.underline = false; break;
      case Action::Strike: c.strike = isOn(t); break;
      case Action::Font: font(t.hasParam ? std::max(t.param, 0) : 0); break;
      case Action::FontSize: c.halfPoints = t.hasParam ? std::clamp(t.param, 2, 3276) : 24; break;
      case Action::Colour: c.colour = t.param; break;
      case Action::Highlight: c.highlight = t.param; break;
      case Action::Plain:
        c = CharState();
        state_.byteFonts = ByteFonts();
        break;
      case Action::ByteClass: state_.byteFonts.current = ByteClass(word.arg); break;
      case Action::AssociatedFont: byteFont(std::max(t.param, 0)); break;
      case Action::ParagraphDefaults:
      case Action::Align:
      case Action::LeftIndent:
      case Action::RightIndent:
      case Action::FirstIndent: paragraphProperty(word, t); break;
      case Action::Paragraph: paragraphBreak(); break;
      case Action::Character: character(static_cast<char16_t>(word.arg)); break;
      case Action::UnicodeCharacter: unicodeCharacter(t.param); break;
      case Action::UnicodeSkip: state_.unicodeSkip = std::clamp(t.param, 0, 255); break;
      case Action::DefaultFont:
        defaultFont_ = std::max(t.param, 0);
        formats_.clear();
        break;
      case Action::FontTable: state_.destination = Destination::FontTable; break;
      case Action::ColourTable: state_.destination = Destination::ColourTable; break;
      case Action::SkipDestination: state_.destination = Destination::Skip; break;
      case Action::FontFamily:
        if (state_.destination == Destination::FontTable)
          fontBeingRead_.hint = QFont::StyleHint(word.arg);
        break;
      case Action::Red: colourComponent(t, &QColor::setRed); break;
      case Action::Green: colourComponent(t, &QColor::setGreen); break;
      case Action::Blue: colourComponent(t, &QColor::setBlue); break;
      case Action::DocumentCodePage:
        documentCodePage_ = word.arg != 0 ? word.arg : t.param;
        textPage_ = nullptr;
        break;
      case Action::Charset:
        if (state_.destination == Destination::FontTable)
          fontBeingRead_.codePage = codePageOfCharset(t.param);
        break;
      case Action::FontCodePage:
        if (state_.destination == Destination::FontTable) fontBeingRead_.codePage = t.param;
        break;
      default:
        if (!tableWord(word, t) && !pictureWord(word, t) && !listWord(word, t))
          paragraphProperty(word, t);
        break;
    }
  }

  // Rows are defined for the depth of the paragraph they come in: a nested table's rows in
  // the paragraphs of its cells.
  RowDefinition& definedRow() {
    return rows_[std::size_t(std::clamp(state_.paragraph.tableDepth, 1, kMaxTableDepth))];
  }

  // Row and cell definitions, and the ends of cells and rows.
  bool tableWord(Word word, const Token& t) {
    switch (word.action) {
      case Action::RowDefaults:
        definedRow() = RowDefinition();
        cellBeingDefined_ = CellDefinition();
        border_ = nullptr;
        break;
      case Action::RowGap: definedRow().gap = twips(t); break;
      case Action::RowLeft: definedRow().left = twips(t); break;
      case Action::CellRight:
        cellBeingDefined_.right = std::clamp(t.param, -kMaxTwips, kMaxRowTwips);
        if (definedRow().cells.size() < kMaxTableEntries)
          definedRow().cells.push_back(cellBeingDefined_);
        cellBeingDefined_ = CellDefinition();
        border_ = nullptr;
        break;
      case Action::CellBorder: border_ = &cellBeingDefined_.borders[std::size_t(word.arg)]; break;
      case Action::OtherBorder: border_ = nullptr; break;
      case Action::BorderStyle:
        if (border_ != nullptr && border_->twips == 0) border_->twips = 10;
        break;
      case Action::BorderNone:
        if (border_ != nullptr) border_->twips = 0;
        break;
      case Action::BorderWidth:
        if (border_ != nullptr) border_->twips = std::clamp(t.param, 1, 255);
        break;
      case Action::BorderColour:
        if (border_ != nullptr) border_->colour = colour(t.param);
        break;
      case Action::CellShading: cellBeingDefined_.shading = colour(t.param); break;
      case Action::Cell: cellEnd(1); break;
      case Action::NestedCell: cellEnd(std::max(state_.paragraph.tableDepth, 2)); break;
      case Action::Row: rowEnd(1); break;
      case Action::NestedRow: rowEnd(std::max(state_.paragraph.tableDepth, 2)); break;
      default: return false;
    }
    return true;
  }

  bool pictureWord(Word word, const Token& t) {
    switch (word.action) {
      case Action::Picture:
        if (state_.destination != Destination::Text) break;
        state_.destination = Destination::Picture;
        picture_ = Picture();
        pictureNibble_ = -1;
        break;
      case Action::PictureKind:
        picture_.kind = QByteArray(t.word.data(), qsizetype(t.word.size()));
        if (t.hasParam) picture_.kind += QByteArray::number(t.param);
        break;
      case Action::PictureWidth: picture_.width = std::clamp(t.param, 0, 1 << 20); break;
      case Action::PictureHeight: picture_.height = std::clamp(t.param, 0, 1 << 20); break;
      case Action::PictureGoalWidth: picture_.goalWidth = twips(t); break;
      case Action::PictureGoalHeight: picture_.goalHeight = twips(t); break;
      case Action::PictureScaleX: picture_.scaleX = std::clamp(t.param, 1, 1000); break;
      case Action::PictureScaleY: picture_.scaleY = std::clamp(t.param, 1, 1000); break;
      case Action::ShapePicture: pictureFromShape_ = false; break;
      // A picture offered twice is shown once: the second offer is for older readers.
      case Action::NonShapePicture:
        if (std::exchange(pictureFromShape_, false)) state_.destination = Destination::Skip;
        break;
      default: return false;
    }
    return true;
  }

  bool listWord(Word word, const Token& t) {
    ListParagraph& list = state_.paragraph.list;
    switch (word.action) {
      case Action::ListMarker:
        if (state_.destination == Destination::Text) state_.destination = Destination::ListMarker;
        marker_.clear();
        break;
      case Action::OldList:
        state_.destination = Destination::OldList;
        oldListNumbering_ = QTextListFormat::ListDecimal;
        oldListContinues_ = false;
        oldListStart_ = 0;
        break;
      case Action::OldListNumbering:
        oldListNumbering_ = QTextListFormat::Style(word.arg);
        break;
      case Action::OldListContinues: oldListContinues_ = true; break;
      case Action::OldListStart: oldListStart_ = std::clamp(t.param, 0, 1 << 20); break;
      case Action::ListOverride:
        if (state_.destination == Destination::ListOverrideTable)
          lists_.defineOverride(t.param, listId_);
        else
          list.override = std::clamp(t.param, 0, kMaxListOverride);
        break;
      case Action::ListLevel: list.level = std::clamp(t.param, 0, 8); break;
      case Action::ListTable: state_.destination = Destination::ListTable; break;
      case Action::ListOverrideTable: state_.destination = Destination::ListOverrideTable; break;
      case Action::ListDefinition:
        levelsDefined_ = 0;
        levelNumbering_.fill(0);
        break;
      case Action::ListLevelDefinition: ++levelsDefined_; break;
      case Action::LevelNumbering:
        if (levelsDefined_ > 0 && levelsDefined_ <= int(levelNumbering_.size()))
          levelNumbering_[std::size_t(levelsDefined_ - 1)] = t.param;
        break;
      case Action::ListId:
        listId_ = t.param;
        if (state_.destination == Destination::ListTable) {
          for (int level = 0; level < std::min(levelsDefined_, 9); ++level)
            lists_.defineLevel(listId_, level, levelNumbering_[std::size_t(level)]);
        }
        break;
      default: return false;
    }
    return true;
  }

  void paragraphProperty(Word word, const Token& t) {
    ParagraphState& p = state_.paragraph;
    switch (word.action) {
      case Action::ParagraphDefaults: p = ParagraphState(); break;
      case Action::Align: p.alignment = Qt::Alignment::fromInt(word.arg); break;
      case Action::LeftIndent: p.leftTwips = twips(t); break;
      case Action::RightIndent: p.rightTwips = twips(t); break;
      case Action::FirstIndent: p.firstLineTwips = twips(t); break;
      case Action::SpaceBefore: p.spaceBeforeTwips = std::max(twips(t), 0); break;
      case Action::SpaceAfter: p.spaceAfterTwips = std::max(twips(t), 0); break;
      case Action::LineSpacing: p.lineSpacing = twips(t); break;
      case Action::LineMultiple: p.lineMultiple = isOn(t); break;
      case Action::TabKind: p.nextTab.kind = QTextOption::TabType(word.arg); break;
      case Action::TabLeader: p.nextTab.leader = word.arg; break;
      case Action::TabStop:
        p.nextTab.twips = std::max(twips(t), 0);
        if (p.tabCount < kMaxTabStops) p.tabs[p.tabCount++] = p.nextTab;
        p.nextTab = TabStop();
        break;
      case Action::Keep: p.keep = isOn(t); break;
      case Action::PageBreakBefore: p.pageBreakBefore = isOn(t); break;
      case Action::InTable: p.tableDepth = std::max(p.tableDepth, 1); break;
      case Action::TableDepth: p.tableDepth = std::clamp(t.param, 0, kMaxTableDepth); break;
      default: return;
    }
    lastParagraph_ = p;
  }

  void controlSymbol(char symbol) {
    if (symbol == '\\' || symbol == '{' || symbol == '}')
      return plainByte(static_cast<unsigned char>(symbol));
    leadByte_ = 0;
    switch (symbol) {
      case '~': return character(0x00A0);
      case '-': return character(0x00AD);
      case '_': return character(0x2011);
      case '*':
        beforeStar_ = std::exchange(state_.destination, Destination::Skip);
        starred_ = true;
        return;
      case '\n': case '\r': return character('\n');
      default: return;
    }
  }

  // \uN is a signed 16-bit number: negative values stand for the upper half.
  void unicodeCharacter(int value) {
    if (value < 0) value += 0x10000;
    if (value > 0 && value <= 0xFFFF) character(shownCharacter(static_cast<char16_t>(value)));
    fallbackLeft_ = state_.unicodeSkip;
  }

  // Unicode writers address the Symbol font through the private range; the text is what it shows.
  char16_t shownCharacter(char16_t c) {
    if (c < 0xF020 || c > 0xF0FF || currentCodePage().number() != kSymbolCodePage) return c;
    const char16_t shown = CodePage::symbolCharacter(c);
    return shown != 0 ? shown : c;
  }

  // A byte of text in the code page in force. A double-byte character's lead byte waits for
  // the byte after it; anything else in between drops it.
  void encodedByte(unsigned char b) {
    if (leadByte_ != 0) {
      const QString decoded = leadPage_->pair(std::exchange(leadByte_, 0), b);
      for (const QChar c : decoded) character(c.unicode());
      return;
    }
    CodePage& page = byteCodePage();
    if (page.isLeadByte(b)) {
      leadByte_ = b;
      leadPage_ = &page;
      return;
    }
    character(page.character(b));
  }

  // Some writers put a double-byte character's second byte as a plain character.
  void plainByte(unsigned char b) {
    if (leadByte_ != 0) return encodedByte(b);
    character(b);
  }

  CodePage& byteCodePage() {
    const ByteFonts& fonts = state_.byteFonts;
    const int font = fonts.current == ByteClass::High     ? fonts.high
                     : fonts.current == ByteClass::Double ? fonts.doubleByte
                                                          : -1;
    if (font < 0 || state_.destination != Destination::Text) return currentCodePage();
    const auto entry = fonts_.constFind(font);
    return codePage(entry != fonts_.constEnd() ? codePageOf(*entry) : documentCodePage_);
  }

  CodePage& currentCodePage() {
    if (state_.destination == Destination::FontTable) return codePage(codePageOf(fontBeingRead_));
    const int font = state_.chars.font < 0 ? defaultFont_ : state_.chars.font;
    if (textPage_ == nullptr || font != textPageFont_) {
      const auto entry = fonts_.constFind(font);
      textPage_ = &codePage(entry != fonts_.constEnd() ? codePageOf(*entry) : documentCodePage_);
      textPageFont_ = font;
    }
    return *textPage_;
  }

  int codePageOf(const FontEntry& f) const {
    if (f.codePage == 0 || (f.codePage == kSymbolCodePage && !isSymbolFont(f)))
      return documentCodePage_;
    return f.codePage;
  }

  CodePage& codePage(int number) {
    const int known = knownCodePage(number);
    return codePages_.try_emplace(known, known).first->second;
  }

  void character(char16_t c) {
    switch (state_.destination) {
      case Destination::Text: return textCharacter(c);
      case Destination::FontTable: return fontNameCharacter(c);
      case Destination::ColourTable:
        if (c == ';') commitColour();
        return;
      case Destination::ListMarker:
        if (marker_.size() < kMaxMarkerLength && c != '\t') marker_.append(QChar(c));
        return;
      default: return;
    }
  }

  // Characters that would split a block on their own are paragraph breaks or nothing.
  void textCharacter(char16_t c) {
    if (c == '\n' || c == '\r' || c == QChar::ParagraphSeparator) return paragraphBreak();
    if (isMarker(c) || state_.chars.hidden) return;
    startText();
    run_.append(QChar(c));
  }

  // Plain bytes: line ends are layout of the file, other control bytes are junk.
  void text(std::string_view bytes) {
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    for (; fallbackLeft_ > 0 && p != end; ++p) {
      if (*p != '\r' && *p != '\n') --fallbackLeft_;
    }
    switch (state_.destination) {
      case Destination::Text:
        if (!state_.chars.hidden) documentText(p, end);
        return;
      case Destination::FontTable:
      case Destination::ColourTable:
      case Destination::ListMarker:
        for (; p != end; ++p) {
          const auto b = static_cast<unsigned char>(*p);
          if (b >= 0x80) encodedByte(b);
          else if (b >= 0x20) plainByte(b);
        }
        return;
      case Destination::Picture: return pictureData(p, end);
      default: return;
    }
  }

  // Hexadecimal digits two by two; line ends and anything else between them do not count.
  void pictureData(const char* p, const char* end) {
    for (; p != end; ++p) {
      const int digit = hexDigit(*p);
      if (digit < 0) continue;
      if (pictureNibble_ < 0) {
        pictureNibble_ = digit;
      } else {
        picture_.data.append(char(pictureNibble_ * 16 + digit));
        pictureNibble_ = -1;
      }
    }
  }

  static int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  void endPicture() {
    if (picture_.kind.isEmpty() || picture_.data.isEmpty()) return;
    placeParagraph(state_.paragraph.tableDepth);
    startText();
    flushRun();
    insertPicture(cursor_, picture_, charFormat(state_.chars));
    pictureFromShape_ = true;
    picture_ = Picture();
  }

  void documentText(const char* p, const char* end) {
    if (currentCodePage().number() == kSymbolCodePage) return symbolText(p, end);
    while (p != end) {
      if (leadByte_ != 0) p = completePair(p, end);
      const char* start = p;
      while (p != end && *p >= 0x20 && *p < 0x7F) ++p;
      if (p != start) {
        startText();
        run_.append(QLatin1StringView(start, p - start));
      }
      if (p != end) textByte(static_cast<unsigned char>(*p++));
    }
  }

  // The Symbol font shows other characters for the letters too, so no byte passes unread.
  void symbolText(const char* p, const char* end) {
    const CodePage& symbol = currentCodePage();
    for (; p != end; ++p) {
      const auto b = static_cast<unsigned char>(*p);
      if (b >= 0x20 || b == '\t') character(symbol.character(b));
    }
  }

  // Line ends of the file may come between a lead byte and the plain byte it pairs with.
  const char* completePair(const char* p, const char* end) {
    while (p != end && (*p == '\r' || *p == '\n')) ++p;
    if (p != end) encodedByte(static_cast<unsigned char>(*p++));
    return p;
  }

  void textByte(unsigned char b) {
    if (b >= 0x80) return encodedByte(b);
    if (b == '\t') {
      startText();
      run_.append(QChar('\t'));
    }
  }

  // Tables open and close, and rows and cells begin, as the paragraphs in them come.
  void placeParagraph(int depth) {
    if (!tables_.needsPlacing(depth)) return;
    flushRun();
    const int before = tables_.depth();
    if (tables_.place(depth, rows_)) {
      paragraphPending_ = false;
      blockCharsPending_ = true;
    }
    // A table inside a cell defines its rows after their cells; the next one starts afresh.
    for (int ended = std::max(tables_.depth() + 1, 2); ended <= before; ++ended)
      rows_[std::size_t(ended)] = RowDefinition();
  }

  void startText() {
    placeParagraph(state_.paragraph.tableDepth);
    pictureFromShape_ = false;
    startBlock();
    if (!(state_.chars == runChars_)) {
      flushRun();
      runChars_ = state_.chars;
    }
    lastParagraph_ = state_.paragraph;
  }

  void flushRun() {
    if (run_.isEmpty()) return;
    cursor_.insertText(run_, charFormat(runChars_));
    run_.resize(0);
  }

  // The block is created only when more text follows, so that the \par ending the last
  // paragraph adds no empty paragraph.
  void paragraphBreak() {
    if (state_.destination != Destination::Text) return;
    placeParagraph(state_.paragraph.tableDepth);
    endParagraph(state_.paragraph);
    paragraphPending_ = true;
  }

  // A block takes the character format of its start, which sizes its list marker and, when
  // it is empty, its height. The blocks the document or its tables made have none yet.
  void startBlock() {
    if (std::exchange(paragraphPending_, false)) {
      cursor_.insertBlock(QTextBlockFormat(), charFormat(state_.chars));
    } else if (std::exchange(blockCharsPending_, false)) {
      cursor_.setBlockCharFormat(startingCharFormat());
    }
  }

  // A cell's first paragraph keeps its format in the cell's own, where a background is the
  // cell's shading: highlighted text there stays highlighted text and shades nothing.
  QTextCharFormat startingCharFormat() {
    QTextCharFormat f = charFormat(state_.chars);
    if (tables_.atCellStart()) f.clearBackground();
    return f;
  }

  void endParagraph(const ParagraphState& p) {
    flushRun();
    startBlock();
    cursor_.setBlockFormat(blockFormat(p));
    if (p.list.numbered || p.list.override > 0) lists_.attach(cursor_, p.list, marker_);
    else lists_.interrupt();
    marker_.clear();
    state_.paragraph.list.ownGroup = false;  // a paragraph after this one takes its \pn over
    lastParagraph_ = p;
  }

  // \cell ends a cell even where no paragraph said it was in a table.
  void cellEnd(int depth) {
    if (state_.destination != Destination::Text) return;
    placeParagraph(depth);
    endParagraph(state_.paragraph);
    tables_.endCell();
  }

  void rowEnd(int depth) {
    if (state_.destination != Destination::Text) return;
    if (tables_.depth() == 0) return paragraphBreak();
    if (tables_.depth() < depth) return;
    flushRun();
    if (tables_.depth() > depth) tables_.place(depth, rows_);
    tables_.endRow(rows_[std::size_t(depth)]);
  }

  void finish() {
    flushRun();
    tables_.finish();
    if (!paragraphPending_ && !tables_.needsPlacing(lastParagraph_.tableDepth))
      cursor_.setBlockFormat(blockFormat(lastParagraph_));
  }

  void byteFont(int index) {
    ByteFonts& fonts = state_.byteFonts;
    if (fonts.current == ByteClass::High) fonts.high = index;
    if (fonts.current == ByteClass::Double) fonts.doubleByte = index;
  }

  void font(int index) {
    if (state_.destination != Destination::FontTable) {
      state_.chars.font = index;
      byteFont(index);
      return;
    }
    if (!fontBeingRead_.name.isEmpty()) commitFont();
    fontNumber_ = index;
  }

  void fontNameCharacter(char16_t c) {
    if (c == ';') return commitFont();
    if (c < 0x20 || isMarker(c)) return;
    if (fontBeingRead_.name.size() < kMaxFontNameLength) fontBeingRead_.name.append(QChar(c));
  }

  void commitFont() {
    formats_.clear();
    textPage_ = nullptr;
    fontBeingRead_.name = fontBeingRead_.name.trimmed();
    if (!fontBeingRead_.name.isEmpty() &&
        (fonts_.contains(fontNumber_) || std::size_t(fonts_.size()) < kMaxTableEntries))
      fonts_.insert(fontNumber_, fontBeingRead_);
    fontBeingRead_ = FontEntry();
  }

  void colourComponent(const Token& t, void (QColor::*set)(int)) {
    if (state_.destination != Destination::ColourTable) return;
    if (!colourBeingRead_.isValid()) colourBeingRead_ = QColor(0, 0, 0);
    (colourBeingRead_.*set)(std::clamp(t.param, 0, 255));
  }

  // An entry without components is "automatic", the colour the text would have anyway.
  void commitColour() {
    formats_.clear();
    if (colours_.size() < kMaxTableEntries) colours_.push_back(colourBeingRead_);
    colourBeingRead_ = QColor();
  }

  QColor colour(int index) const {
    if (index <= 0 || std::size_t(index) >= colours_.size()) return QColor();
    return colours_[std::size_t(index)];
  }

  // A document uses a handful of formats over and over; finding one is cheaper than building it.
  const QTextCharFormat& charFormat(const CharState& c) {
    for (const auto& [state, format] : formats_) {
      if (state == c) return format;
    }
    if (formats_.size() == kFormatCacheSize) formats_.erase(formats_.begin());
    formats_.emplace_back(c, buildCharFormat(c));
    return formats_.back().second;
  }

  QTextCharFormat buildCharFormat(const CharState& c) const {
    QTextCharFormat f;
    const auto entry = fonts_.constFind(c.font < 0 ? defaultFont_ : c.font);
    if (entry != fonts_.constEnd()) {
      f.setFontFamilies({entry->name});
      if (entry->hint != QFont::AnyStyle) f.setFontStyleHint(entry->hint);
    }
    f.setFontPointSize(c.halfPoints / 2.0);
    if (c.bold) f.setFontWeight(QFont::Bold);
    if (c.italic) f.setFontItalic(true);
    if (c.underline) f.setFontUnderline(true);
    if (c.strike) f.setFontStrikeOut(true);
    if (const QColor fg = colour(c.colour); fg.isValid()) f.setForeground(fg);
    if (const QColor bg = colour(c.highlight); bg.isValid()) f.setBackground(bg);
    return f;
  }

  static QTextBlockFormat blockFormat(const ParagraphState& p) {
    QTextBlockFormat f;
    f.setAlignment(p.alignment);
    f.setLeftMargin(double(p.leftTwips) / kTwipsPerPixel);
    f.setRightMargin(double(p.rightTwips) / kTwipsPerPixel);
    // A list's marker hangs in the space a negative first-line indent leaves.
    const bool listed = p.list.numbered || p.list.override > 0;
    const bool hanging = listed && p.firstLineTwips < 0;
    f.setTextIndent(hanging ? 0.0 : double(p.firstLineTwips) / kTwipsPerPixel);
    if (listed) f.setProperty(kListFirstIndentProperty, p.firstLineTwips);
    if (p.spaceBeforeTwips > 0) f.setTopMargin(double(p.spaceBeforeTwips) / kTwipsPerPixel);
    if (p.spaceAfterTwips > 0) f.setBottomMargin(double(p.spaceAfterTwips) / kTwipsPerPixel);
    lineSpacing(f, p);
    if (p.tabCount > 0) tabPositions(f, p);
    if (p.keep) f.setNonBreakableLines(true);
    if (p.pageBreakBefore) f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return f;
  }

  // \slmult1 counts in 240ths of a line; else a positive \sl is the least height and a
  // negative one the exact height, in twips.
  static void lineSpacing(QTextBlockFormat& f, const ParagraphState& p) {
    if (p.lineSpacing == 0) return;
    if (p.lineMultiple) {
      if (p.lineSpacing != kSingleLine && p.lineSpacing > 0)
        f.setLineHeight(p.lineSpacing * 100.0 / kSingleLine, QTextBlockFormat::ProportionalHeight);
    } else if (p.lineSpacing > 0) {
      f.setLineHeight(double(p.lineSpacing) / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    } else {
      f.setLineHeight(double(-p.lineSpacing) / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    }
  }

  // The document draws no leaders; they are kept so that they are written back.
  static void tabPositions(QTextBlockFormat& f, const ParagraphState& p) {
    QList<QTextOption::Tab> tabs;
    QList<QVariant> leaders;
    bool led = false;
    for (std::size_t i = 0; i < p.tabCount; ++i) {
      const TabStop& tab = p.tabs[i];
      const QChar delimiter = tab.kind == QTextOption::DelimiterTab ? QChar('.') : QChar();
      tabs.append(QTextOption::Tab(double(tab.twips) / kTwipsPerPixel, tab.kind, delimiter));
      leaders.append(tab.leader);
      led = led || tab.leader != 0;
    }
    f.setTabPositions(tabs);
    if (led) f.setProperty(kTabLeadersProperty, leaders);
  }

  QTextCursor cursor_;
  TableBuilder tables_;
  RowDefinitions rows_;
  CellDefinition cellBeingDefined_;
  CellBorder* border_ = nullptr;  // the cell border the border words describe
  Picture picture_;
  int pictureNibble_ = -1;
  bool pictureFromShape_ = false;
  ListBuilder lists_;
  QString marker_;
  QTextListFormat::Style oldListNumbering_ = QTextListFormat::ListDecimal;
  bool oldListContinues_ = false;
  int oldListStart_ = 0;
  int listId_ = 0;
  int levelsDefined_ = 0;
  std::array<int, 9> levelNumbering_{};
  bool starred_ = false;
  Destination beforeStar_ = Destination::Text;
  GroupState state_;
  std::vector<GroupState> stack_;
  int flattenedDepth_ = 0;
  bool documentClosed_ = false;
  int fallbackLeft_ = 0;

  QString run_;
  CharState runChars_;
  std::vector<std::pair<CharState, QTextCharFormat>> formats_;
  bool paragraphPending_ = false;
  bool blockCharsPending_ = true;  // the cursor's block has no character format of its own
  ParagraphState lastParagraph_;

  QHash<int, FontEntry> fonts_;
  int defaultFont_ = 0;
  int fontNumber_ = 0;
  FontEntry fontBeingRead_;
  std::vector<QColor> colours_;
  QColor colourBeingRead_;

  int documentCodePage_ = kWindows1252;
  std::map<int, CodePage> codePages_;  // a map, so that pointers into it stay valid
  CodePage* textPage_ = nullptr;       // the code page of textPageFont_
  int textPageFont_ = 0;
  unsigned char leadByte_ = 0;
  CodePage* leadPage_ = nullptr;
};

QString decodeText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = cp1252::decode(bytes);
  return text;
}

void readPlainText(const QByteArray& bytes, QTextDocument& into) {
  QString text = decodeText(bytes);
  text.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  into.setPlainText(text);
}

}  // namespace

void read(const QByteArray& rtf, QTextDocument& into) {
  if (!rtf.startsWith("{\\rtf")) return readPlainText(rtf, into);
  const bool undo = into.isUndoRedoEnabled();
  into.setUndoRedoEnabled(false);
  into.clear();
  Reader(into).run(std::string_view(rtf.constData(), std::size_t(rtf.size())));
  into.setUndoRedoEnabled(undo);
}

}  // namespace platform::rtf
