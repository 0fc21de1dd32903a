#include <QColor>
#include <QFont>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/files/cp1252.h"
#include "platform/richtext/rtf.h"
#include "platform/richtext/rtf_code_pages.h"
#include "platform/richtext/rtf_lexer.h"

namespace platform::rtf {
namespace {

// Limits that keep damaged or hostile input from growing the reader without bound.
constexpr std::size_t kMaxGroupDepth = 1000;
constexpr std::size_t kMaxTableEntries = 8192;
constexpr qsizetype kMaxFontNameLength = 256;
constexpr int kMaxTwips = 31680;  // 22 inches
constexpr int kTwipsPerPixel = 15;
constexpr std::size_t kFormatCacheSize = 16;

enum class Action {
  Bold, Italic, Hidden, Underline, UnderlineOff, Strike, Font, FontSize, Colour, Highlight, Plain,
  ParagraphDefaults, Align, LeftIndent, RightIndent, FirstIndent, Paragraph, Character,
  UnicodeCharacter, UnicodeSkip, DefaultFont, FontTable, ColourTable, SkipDestination,
  FontFamily, Red, Green, Blue, DocumentCodePage, Charset, FontCodePage,
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
        {"par", {Action::Paragraph}}, {"row", {Action::Paragraph}},
        {"nestrow", {Action::Paragraph}},
        {"line", {Action::Character, 0x2028}}, {"tab", {Action::Character, '\t'}},
        {"cell", {Action::Character, '\t'}}, {"nestcell", {Action::Character, '\t'}},
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
    };
    for (std::string_view ul : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
      t.emplace(ul, Word{Action::Underline});
    // Destinations whose contents are not text of the document.
    for (std::string_view skip :
         {"pict", "shppict", "nonshppict", "shp", "object", "fldinst", "stylesheet", "info",
          "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
          "footnote", "annotation", "xe", "tc", "txe", "rxe", "pn", "pnseclvl", "listtable",
          "listoverridetable", "revtbl", "rsidtbl", "filetbl", "template", "ftnsep", "ftnsepc",
          "ftncn", "aftnsep", "aftnsepc", "aftncn", "do", "docvar", "userprops", "themedata",
          "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "generator"})
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

struct ParagraphState {
  Qt::Alignment alignment = Qt::AlignLeft;
  int leftTwips = 0;
  int rightTwips = 0;
  int firstLineTwips = 0;
};

enum class Destination { Text, FontTable, ColourTable, Skip };

struct GroupState {
  CharState chars;
  ParagraphState paragraph;
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
  explicit Reader(QTextDocument& doc) : cursor_(&doc) {}

  void run(std::string_view rtf) {
    cursor_.beginEditBlock();
    Lexer lexer(rtf);
    for (Token t = lexer.next(); t.kind != Token::Kind::End; t = lexer.next()) handle(t);
    finish();
    cursor_.endEditBlock();
  }

 private:
  void handle(const Token& t) {
    switch (t.kind) {
      case Token::Kind::GroupStart: return openGroup();
      case Token::Kind::GroupEnd: return closeGroup();
      case Token::Kind::Text: return text(t.word);
      case Token::Kind::ControlWord:
        if (!swallowedAsFallback()) controlWord(t);
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
    state_ = stack_.back();
    stack_.pop_back();
  }

  void controlWord(const Token& t) {
    leadByte_ = 0;
    if (state_.destination == Destination::Skip) return;
    const auto found = words().find(t.word);
    if (found != words().end()) apply(found->second, t);
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
      case Action::Plain: c = CharState(); break;
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
    }
  }

  void paragraphProperty(Word word, const Token& t) {
    ParagraphState& p = state_.paragraph;
    switch (word.action) {
      case Action::ParagraphDefaults: p = ParagraphState(); break;
      case Action::Align: p.alignment = Qt::Alignment::fromInt(word.arg); break;
      case Action::LeftIndent: p.leftTwips = twips(t); break;
      case Action::RightIndent: p.rightTwips = twips(t); break;
      case Action::FirstIndent: p.firstLineTwips = twips(t); break;
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
      case '*': state_.destination = Destination::Skip; return;
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
    CodePage& page = currentCodePage();
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
      case Destination::Skip: return;
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
      case Destination::Skip: return;
      case Destination::Text:
        if (!state_.chars.hidden) documentText(p, end);
        return;
      case Destination::FontTable:
      case Destination::ColourTable:
        for (; p != end; ++p) {
          const auto b = static_cast<unsigned char>(*p);
          if (b >= 0x80) encodedByte(b);
          else if (b >= 0x20) plainByte(b);
        }
        return;
    }
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

  void startText() {
    if (paragraphPending_) {
      cursor_.insertBlock(QTextBlockFormat(), charFormat(state_.chars));
      paragraphPending_ = false;
    }
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
    flushRun();
    if (paragraphPending_) cursor_.insertBlock(QTextBlockFormat(), charFormat(state_.chars));
    cursor_.setBlockFormat(blockFormat(state_.paragraph));
    lastParagraph_ = state_.paragraph;
    paragraphPending_ = true;
  }

  void finish() {
    flushRun();
    if (!paragraphPending_) cursor_.setBlockFormat(blockFormat(lastParagraph_));
  }

  void font(int index) {
    if (state_.destination != Destination::FontTable) {
      state_.chars.font = index;
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
    f.setTextIndent(double(p.firstLineTwips) / kTwipsPerPixel);
    return f;
  }

  QTextCursor cursor_;
  GroupState state_;
  std::vector<GroupState> stack_;
  int flattenedDepth_ = 0;
  int fallbackLeft_ = 0;

  QString run_;
  CharState runChars_;
  std::vector<std::pair<CharState, QTextCharFormat>> formats_;
  bool paragraphPending_ = false;
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
