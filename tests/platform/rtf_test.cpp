#include <gtest/gtest.h>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "platform/richtext/rtf.h"
#include "support/rtf_documents.h"

namespace {

namespace rtf = platform::rtf;

using testing_support::readRtf;

// The document's characters as they are (toPlainText would turn no-break spaces into
// spaces), with "\n" between paragraphs; an index into it is a document position.
QString rawText(const QTextDocument& doc) {
  return doc.toRawText().replace(QChar::ParagraphSeparator, QChar('\n'));
}

QString textOf(const QByteArray& bytes) { return rawText(*readRtf(bytes)); }

// The format of the first character of `word`.
QTextCharFormat formatOf(const QTextDocument& doc, const QString& word) {
  const int at = int(rawText(doc).indexOf(word));
  EXPECT_GE(at, 0) << word.toStdString();
  QTextCursor cursor(const_cast<QTextDocument*>(&doc));
  cursor.setPosition(at + 1);
  return cursor.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument& doc, const QString& word) {
  return doc.findBlock(int(rawText(doc).indexOf(word))).blockFormat();
}

QString family(const QTextCharFormat& f) { return f.fontFamilies().toStringList().value(0); }
bool bold(const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; }

const char kRichTextControl[] = R"RTF({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fprq2\fcharset0 Times New Roman;}{\f2\fnil\fcharset2 Symbol;}}
{\colortbl ;\red255\green0\blue0;\red0\green128\blue0;}
\viewkind4\uc1\pard\f0\fs20 Dear \b class\b0 ,\par
\pard\qr\i Monday\i0\par
\pard\li720\cf1\ul Read\ulnone  chapter \cf2\strike two\strike0\cf0 .\par
\pard\f1\fs28 The end\par
}
)RTF";

const char kWordPad[] = R"RTF({\rtf1\ansi\ansicpg1252\deff0\nouicompat\deflang2057{\fonttbl{\f0\fnil\fcharset0 Calibri;}{\f1\fnil Courier New;}}
{\colortbl ;\red0\green77\blue187;}
{\*\generator Writer 1.0;}\viewkind4\uc1 
\pard\sa200\sl276\slmult1\qc\b\f0\fs32\lang9 Words\b0\par
\pard\sa200\sl276\slmult1\fs22 na\'efve caf\'e9 costs \'80 5 \ldblquote yes\rdblquote\par
\cf1\f1 Omega \u937?\cf0\f0\par
}
)RTF";

const char kWordProcessor[] = R"RTF({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f4\fswiss\fprq2\fcharset0 Liberation Sans{\*\falt Arial};}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red255\green255\blue0;}
{\stylesheet{\s0\snext0\hich\af3\loch\f3\fs24\lang2057 Normal;}
{\*\cs15\snext15 Emphasis;}}{\*\generator Writer/7.4}{\info{\creatim\yr2024\mo3\dy1\hr10\min5}{\author Teacher}}{\*\userprops}\deftab709
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\pgdscnxt0 Default Page Style;}}
\formshade\paperh16838\paperw11906\margl1134\margr1134\sectd\sbknone\pgndec\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s0\qc\hich\af3\loch\f4\fs32\lang2057{\b\hich\af4\loch\f4 My Essay}
\par \pard\plain \s0\qj\sl276\slmult1\hich\af3\loch\f3\fs24\lang2057{\rtlch \ltrch\loch
The }{\i\cf2\rtlch \ltrch\loch quick}{\rtlch \ltrch\loch  fox {\*\bkmkstart fox}jumps{\*\bkmkend fox} \u8211\'96 see }{\field{\*\fldinst HYPERLINK "https://example.org/" }{\fldrslt {\ul\cf2 this page}}}{\rtlch \ltrch\loch .}
\par \pard\plain \s0\hich\af3\loch\f3\fs24{\highlight3 Caf\u233\'e9 na\u239\'efve}{\pict\pngblip\picw20\pich20 89504e470d0a1a0a0000}
\par }
)RTF";

TEST(RtfRead, RichTextControlStyle) {
  const auto doc = readRtf(kRichTextControl);
  EXPECT_EQ(rawText(*doc), "Dear class,\nMonday\nRead chapter two.\nThe end");

  const QTextCharFormat dear = formatOf(*doc, "Dear");
  EXPECT_EQ(family(dear), "Arial");
  EXPECT_EQ(dear.fontStyleHint(), QFont::SansSerif);
  EXPECT_DOUBLE_EQ(dear.fontPointSize(), 10.0);
  EXPECT_FALSE(bold(dear));
  EXPECT_TRUE(bold(formatOf(*doc, "class")));
  EXPECT_FALSE(bold(formatOf(*doc, ",")));

  EXPECT_TRUE(formatOf(*doc, "Monday").fontItalic());
  EXPECT_EQ(blockOf(*doc, "Monday").alignment(), Qt::AlignRight);

  const QTextCharFormat read = formatOf(*doc, "Read");
  EXPECT_TRUE(read.fontUnderline());
  EXPECT_EQ(read.foreground().color(), QColor(255, 0, 0));
  EXPECT_FALSE(formatOf(*doc, "chapter").fontUnderline());
  EXPECT_DOUBLE_EQ(blockOf(*doc, "Read").leftMargin(), 48.0);
  const QTextCharFormat two = formatOf(*doc, "two");
  EXPECT_TRUE(two.fontStrikeOut());
  EXPECT_EQ(two.foreground().color(), QColor(0, 128, 0));
  EXPECT_EQ(formatOf(*doc, ".").foreground().style(), Qt::NoBrush);

  const QTextCharFormat end = formatOf(*doc, "The end");
  EXPECT_EQ(family(end), "Times New Roman");
  EXPECT_DOUBLE_EQ(end.fontPointSize(), 14.0);
  EXPECT_EQ(blockOf(*doc, "The end").alignment(), Qt::AlignLeft);
  EXPECT_DOUBLE_EQ(blockOf(*doc, "The end").leftMargin(), 0.0);
}

TEST(RtfRead, WordPadStyle) {
  const auto doc = readRtf(kWordPad);
  EXPECT_EQ(rawText(*doc),
            QString::fromUtf8("Words\nna\u00efve caf\u00e9 costs \u20ac 5 \u201cyes\u201d\n"
                              "Omega \u03a9"));
  EXPECT_TRUE(bold(formatOf(*doc, "Words")));
  EXPECT_DOUBLE_EQ(formatOf(*doc, "Words").fontPointSize(), 16.0);
  EXPECT_EQ(blockOf(*doc, "Words").alignment(), Qt::AlignHCenter);
  EXPECT_EQ(blockOf(*doc, "costs").alignment(), Qt::AlignLeft);
  EXPECT_EQ(family(formatOf(*doc, "costs")), "Calibri");
  EXPECT_DOUBLE_EQ(formatOf(*doc, "costs").fontPointSize(), 11.0);
  const QTextCharFormat omega = formatOf(*doc, "Omega");
  EXPECT_EQ(family(omega), "Courier New");
  EXPECT_EQ(omega.foreground().color(), QColor(0, 77, 187));
}

TEST(RtfRead, WordProcessorStyle) {
  const auto doc = readRtf(kWordProcessor);
  EXPECT_EQ(rawText(*doc),
            QString::fromUtf8("My Essay\nThe quick fox jumps \u2013 see this page.\n"
                              "Caf\u00e9 na\u00efve\ufffc"));
  const QTextCharFormat title = formatOf(*doc, "My Essay");
  EXPECT_TRUE(bold(title));
  EXPECT_EQ(family(title), "Liberation Sans");
  EXPECT_DOUBLE_EQ(title.fontPointSize(), 16.0);
  EXPECT_EQ(blockOf(*doc, "My Essay").alignment(), Qt::AlignHCenter);

  EXPECT_EQ(family(formatOf(*doc, "The")), "Liberation Serif");
  EXPECT_EQ(blockOf(*doc, "The").alignment(), Qt::AlignJustify);
  EXPECT_TRUE(formatOf(*doc, "quick").fontItalic());
  EXPECT_EQ(formatOf(*doc, "quick").foreground().color(), QColor(0, 0, 255));
  EXPECT_FALSE(formatOf(*doc, "fox").fontItalic());
  EXPECT_TRUE(formatOf(*doc, "this page").fontUnderline());
  EXPECT_EQ(formatOf(*doc, "Caf").background().color(), QColor(255, 255, 0));
  EXPECT_EQ(blockOf(*doc, "Caf").alignment(), Qt::AlignLeft);
}

// A Windows rich-text control ends the last paragraph with \par too; that is no empty line.
TEST(RtfRead, FinalParagraphMarkAddsNoEmptyParagraph) {
  const struct {
    const char* rtf;
    const char* text;
  } cases[] = {
      {"{\\rtf1 text\\par\n}", "text"},
      {"{\\rtf1 text\\par\r\n}\r\n", "text"},
      {"{\\rtf1 text}", "text"},
      {"{\\rtf1 a\\par b}", "a\nb"},
      {"{\\rtf1 a\\par\\par}", "a\n"},
      {"{\\rtf1 a\\par\\pard\\plain\\f0\\fs24 }", "a"},
      {"{\\rtf1 \\par}", ""},
      {"{\\rtf1 \\par\\par}", "\n"},
      {"{\\rtf1 a\\\nb}", "a\nb"},
  };
  for (const auto& c : cases) EXPECT_EQ(textOf(c.rtf), c.text) << c.rtf;
}

TEST(RtfRead, EscapesSymbolsAndEncodedCharacters) {
  const struct {
    const char* body;
    const char* text;
  } cases[] = {
      {R"(\\ \{ \})", "\\ { }"},
      {R"(a\~b\-c\_d)", "a\u00a0b\u00adc\u2011d"},
      {R"(\emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet)",
       "\u2014\u2013\u2018\u2019\u201c\u201d\u2022"},
      {R"(a\tab b\line c)", "a\tb\u2028c"},
      {"a\tb", "a\tb"},
      {R"(\'80\'93\'94\'e9\'a0\'C9)", "\u20ac\u201c\u201d\u00e9\u00a0\u00c9"},
      {R"(\ansicpg1251 \'e9)", "\u0439"},
      {"caf\xe9", "caf\u00e9"},
      {R"(\u8364?)", "\u20ac"},
      {R"(\u-3913?)", "\uf0b7"},
      {R"(\u-10179?\u-8704?)", "\U0001F600"},
      {R"(\uc2\u8364??x)", "\u20acx"},
      {R"(\uc0\u8364 x)", "\u20acx"},
      {R"(\u8364\'80x)", "\u20acx"},
      {R"(\u8364\emdash x)", "\u20acx"},
      {R"({\uc2\u937??}x\u937?y)", "\u03a9x\u03a9y"},
      {R"(\u937{?}x)", "\u03a9?x"},
      {R"(a\u10?b)", "a\nb"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textOf(QByteArray("{\\rtf1 ") + c.body + "}"), QString::fromUtf8(c.text)) << c.body;
  }
}

TEST(RtfRead, SkipsWhatIsNotTextAndKeepsTheTextAround) {
  const struct {
    const char* body;
    const char* text;
  } cases[] = {
      {R"({\field{\*\fldinst HYPERLINK "http://x/"}{\fldrslt link}})", "link"},
      {R"(before{\pict\wmetafile8\picw10 0102ff7b7d}after)", "before\ufffc" "after"},
      {R"(x{\*\unknown hidden{nested} more}y)", "xy"},
      {R"(x\unknownword y\unknownsymbol z)", "xyz"},
      {R"({\header head}{\footer foot}{\info{\title T}{\author A}}body)", "body"},
      {R"({\stylesheet{\s1 Heading 1;}}body)", "body"},
      {R"(a{\object\objemb{\*\objdata 0102}{\result{\pict 00}}}b)", "ab"},
      {R"(a\bin4 {}\\b)", "ab"},
      {R"(a{\v hidden}b\v more\v0 c)", "abc"},
      {R"(a{\pict\bin3 }}}b}c)", "ac"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textOf(QByteArray("{\\rtf1 ") + c.body + "}"), c.text) << c.body;
  }
}

TEST(RtfRead, NestedGroupsRestoreCharacterFormatting) {
  const auto doc = readRtf("{\\rtf1 a{\\b b{\\i\\fs40 c}d}e}");
  ASSERT_EQ(rawText(*doc), "abcde");
  const auto at = [&](const char* s) { return formatOf(*doc, s); };
  EXPECT_FALSE(bold(at("a")));
  EXPECT_TRUE(bold(at("b")));
  EXPECT_TRUE(bold(at("c")) && at("c").fontItalic());
  EXPECT_DOUBLE_EQ(at("c").fontPointSize(), 20.0);
  EXPECT_TRUE(bold(at("d")));
  EXPECT_FALSE(at("d").fontItalic());
  EXPECT_DOUBLE_EQ(at("d").fontPointSize(), 12.0);
  EXPECT_FALSE(bold(at("e")));
}

TEST(RtfRead, PlainAndParagraphDefaultsReset) {
  const auto doc = readRtf(
      "{\\rtf1{\\fonttbl{\\f0 Alpha;}{\\f1 Beta;}}{\\colortbl;\\red1\\green2\\blue3;}"
      "\\qc\\li300\\f1\\b\\i\\ul\\strike\\cf1\\fs40 x\\plain y\\par\\pard z}");
  const QTextCharFormat y = formatOf(*doc, "y");
  EXPECT_EQ(family(y), "Alpha");
  EXPECT_DOUBLE_EQ(y.fontPointSize(), 12.0);
  EXPECT_FALSE(bold(y) || y.fontItalic() || y.fontUnderline() || y.fontStrikeOut());
  EXPECT_EQ(y.foreground().style(), Qt::NoBrush);
  EXPECT_EQ(blockOf(*doc, "x").alignment(), Qt::AlignHCenter);
  EXPECT_DOUBLE_EQ(blockOf(*doc, "x").leftMargin(), 20.0);
  EXPECT_EQ(blockOf(*doc, "z").alignment(), Qt::AlignLeft);
  EXPECT_DOUBLE_EQ(blockOf(*doc, "z").leftMargin(), 0.0);
}

TEST(RtfRead, IndentsAndLastParagraphWithoutMark) {
  const auto doc = readRtf("{\\rtf1 \\li720\\ri360\\fi-360 hanging\\par\\pard\\qj last}");
  EXPECT_DOUBLE_EQ(blockOf(*doc, "hanging").leftMargin(), 48.0);
  EXPECT_DOUBLE_EQ(blockOf(*doc, "hanging").rightMargin(), 24.0);
  EXPECT_DOUBLE_EQ(blockOf(*doc, "hanging").textIndent(), -24.0);
  EXPECT_EQ(blockOf(*doc, "last").alignment(), Qt::AlignJustify);
}

TEST(RtfRead, FontTableForms) {
  const struct {
    const char* rtf;
    const char* family;
    QFont::StyleHint hint;
  } cases[] = {
      {R"({\rtf1{\fonttbl\f0\fnil Alpha;\f1\froman Beta;}\f1 x})", "Beta", QFont::Serif},
      {R"({\rtf1{\fonttbl{\f0 Alpha}{\f1\fswiss Beta}}\f1 x})", "Beta", QFont::SansSerif},
      {R"({\rtf1{\fonttbl{\f0\fmodern Gamma{\*\falt Other};}}\f0 x})", "Gamma", QFont::TypeWriter},
      {R"({\rtf1{\fonttbl{\f0 Caf\'e9 Sans;}}\f0 x})", "Caf\u00e9 Sans", QFont::AnyStyle},
      {R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1 B;}} x})", "B", QFont::AnyStyle},
      {R"({\rtf1{\fonttbl{\f0 A;}}\f5 x})", "", QFont::AnyStyle},
  };
  for (const auto& c : cases) {
    const auto doc = readRtf(c.rtf);
    const QTextCharFormat x = formatOf(*doc, "x");
    EXPECT_EQ(family(x), QString::fromUtf8(c.family)) << c.rtf;
    EXPECT_EQ(x.hasProperty(QTextFormat::FontStyleHint) ? x.fontStyleHint() : QFont::AnyStyle,
              c.hint)
        << c.rtf;
  }
}

TEST(RtfRead, ColourTableAutoEntriesAndBadIndexes) {
  const auto doc = readRtf(
      "{\\rtf1{\\colortbl;\\red10\\green20\\blue30;;\\red999\\blue-5;}"
      "\\cf1 a\\cf2 b\\cf3 c\\cf77 d\\cf-1 e\\highlight1 f}");
  EXPECT_EQ(formatOf(*doc, "a").foreground().color(), QColor(10, 20, 30));
  EXPECT_EQ(formatOf(*doc, "b").foreground().style(), Qt::NoBrush);
  EXPECT_EQ(formatOf(*doc, "c").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(formatOf(*doc, "d").foreground().style(), Qt::NoBrush);
  EXPECT_EQ(formatOf(*doc, "e").foreground().style(), Qt::NoBrush);
  EXPECT_EQ(formatOf(*doc, "f").background().color(), QColor(10, 20, 30));
}

TEST(RtfRead, MalformedInputGivesText) {
  const struct {
    const char* name;
    QByteArray rtf;
    QString text;
  } cases[] = {
      {"missing closing brace", "{\\rtf1 abc", "abc"},
      {"extra closing braces", "{\\rtf1 abc}}} def}", "abc"},
      {"unclosed groups", "{\\rtf1 {{{{{{ deep", " deep"},
      {"only the signature", "{\\rtf", ""},
      {"trailing backslash", "{\\rtf1 abc\\", "abc"},
      {"truncated hex", "{\\rtf1 abc\\'4", "abc4"},
      {"bad hex", "{\\rtf1 \\'zz}", "zz"},
      {"truncated control word", "{\\rtf1 abc\\b", "abc"},
      {"truncated font table", "{\\rtf1{\\fonttbl{\\f0 Ari", ""},
      {"huge font size", "{\\rtf1 \\fs99999999999999999999 big}", "big"},
      {"huge negative parameter", "{\\rtf1 \\li-99999999999999999999 x}", "x"},
      {"huge unicode", "{\\rtf1 \\u99999999999?a\\u-99999999999?b}", "ab"},
      {"huge skip count", "{\\rtf1 {\\uc2147483647\\u937 abc}d}", "\u03a9d"},
      {"huge binary length", "{\\rtf1 a\\bin999999999999 bcd}", "a"},
      {"negative binary length", "{\\rtf1 a\\bin-5 b}", "ab"},
      {"huge font number", "{\\rtf1{\\fonttbl{\\f99999999999 X;}}\\f99999999999 x}", "x"},
      {"huge colour index", "{\\rtf1 \\cf2147483647\\highlight-2147483648 x}", "x"},
      {"nul bytes", QByteArray("{\\rtf1 a\0b\0}", 11), "ab"},
      {"star without word", "{\\rtf1 a{\\*}b}", "ab"},
      {"long control word", "{\\rtf1 a\\" + QByteArray(5000, 'x') + " b}", "ab"},
  };
  for (const auto& c : cases) EXPECT_EQ(textOf(c.rtf), c.text) << c.name;
}

TEST(RtfRead, DeepNestingIsFlattenedWithoutLosingText) {
  const int depth = 100000;
  const QByteArray rtf =
      "{\\rtf1 " + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}') + " after}";
  const auto doc = readRtf(rtf);
  EXPECT_EQ(rawText(*doc), "deep after");
  EXPECT_FALSE(bold(formatOf(*doc, "after")));
}

TEST(RtfRead, BinaryJunkGivesADocument) {
  QByteArray everyByte;
  for (int b = 0; b < 256; ++b) everyByte.append(char(b));
  QRandomGenerator random(1234);
  for (int round = 0; round < 50; ++round) {
    QByteArray junk("{\\rtf1 ");
    for (int i = 0; i < 2000; ++i) junk.append(char(random.bounded(256)));
    QTextDocument doc;
    rtf::read(junk, doc);
    EXPECT_GE(doc.blockCount(), 1);
  }
  QTextDocument doc;
  rtf::read("{\\rtf1 " + everyByte + everyByte, doc);
  EXPECT_FALSE(rawText(doc).isEmpty());
}

TEST(RtfRead, TextWithoutSignatureIsPlainText) {
  const struct {
    const char* name;
    QByteArray bytes;
    QString text;
  } cases[] = {
      {"line ends", "one\r\ntwo\nthree\rfour", "one\ntwo\nthree\nfour"},
      {"trailing line end kept", "one\r\n", "one\n"},
      {"utf-8", "caf\xc3\xa9 \xe2\x82\xac", QString::fromUtf8("caf\u00e9 \u20ac")},
      {"windows-1252", "caf\xe9 \x80", QString::fromUtf8("caf\u00e9 \u20ac")},
      {"rtf look-alike", " {\\rtf1 \\b x}", " {\\rtf1 \\b x}"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) {
    const auto doc = readRtf(c.bytes);
    EXPECT_EQ(rawText(*doc), c.text) << c.name;
  }
  EXPECT_EQ(readRtf("one\r\ntwo")->blockCount(), 2);
}

TEST(RtfRead, ReplacesTheDocumentAndKeepsUndoSwitchedOn) {
  QTextDocument doc;
  doc.setPlainText("old text");
  rtf::read("{\\rtf1 new}", doc);
  EXPECT_EQ(rawText(doc), "new");
  EXPECT_TRUE(doc.isUndoRedoEnabled());
  EXPECT_FALSE(doc.isUndoAvailable());
}

QByteArray written(const QString& text) {
  QTextDocument doc;
  doc.setPlainText(text);
  return rtf::write(doc);
}

TEST(RtfWrite, HeaderTablesAndSevenBitText) {
  QTextDocument doc;
  doc.setDefaultFont(QFont("Liberation Serif", 11));
  QTextCursor cursor(&doc);
  QTextCharFormat red;
  red.setForeground(QColor(200, 10, 20));
  red.setFontFamilies({"DejaVu Sans"});
  red.setFontStyleHint(QFont::SansSerif);
  cursor.insertText(QString::fromUtf8("plain caf\u00e9 "));
  cursor.insertText("red", red);
  QTextCharFormat unhinted;
  unhinted.setFontFamilies({"Unhinted"});
  cursor.insertText(" more", unhinted);
  const QByteArray out = rtf::write(doc);

  EXPECT_TRUE(out.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl"));
  EXPECT_TRUE(out.contains("{\\f0\\fnil\\fcharset0 Liberation Serif;}"));
  EXPECT_TRUE(out.contains("{\\f1\\fswiss\\fcharset0 DejaVu Sans;}"));
  EXPECT_TRUE(out.contains("{\\f2\\fnil\\fcharset0 Unhinted;}"));
  EXPECT_TRUE(out.contains("{\\colortbl ;\\red200\\green10\\blue20;}"));
  EXPECT_TRUE(out.contains("\\f0\\fs22 plain caf\\'e9 \\f1\\cf1 red\\f2\\cf0  more\\par"));
  EXPECT_TRUE(out.endsWith("}\r\n"));
  for (const char c : out) EXPECT_TRUE(c > 0 && c < 0x7F) << int(c);
  EXPECT_EQ(out.count('{'), out.count('}'));
}

TEST(RtfWrite, EscapesAndEncodesCharacters) {
  const struct {
    const char* text;
    const char* rtf;
  } cases[] = {
      {"a\\b{c}d", "a\\\\b\\{c\\}d"},
      {"caf\u00e9 \u20ac \u201cq\u201d", "caf\\'e9 \\'80 \\'93q\\'94"},
      {"\u03a9", "\\u937?"},
      {"\uffe9", "\\u-23?"},
      {"\U0001F600", "\\u-10179?\\u-8704?"},
      {"a\tb", "a\\tab b"},
      {"a\u2028b", "a\\line b"},
      {"a\u00a0b", "a\\'a0b"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(written(QString::fromUtf8(c.text)).contains(c.rtf)) << c.rtf;
  }
}

TEST(RtfWrite, SizeWithoutOwnFormatIsTheDocumentDefault) {
  QTextDocument doc;
  doc.setDefaultFont(QFont("Liberation Sans", 15));
  doc.setPlainText("x");
  EXPECT_TRUE(rtf::write(doc).contains("\\fs30 x"));
}

// What `write` gives, `read` takes back to the same document.
TEST(RtfRoundTrip, KeepsParagraphs) {
  for (const char* text : {"text", "", "a\nb", "a\n", "\n", "\n\na", "a\n\n"}) {
    EXPECT_EQ(textOf(written(text)), text) << text;
  }
}

struct StyledRun {
  QString text;
  QTextCharFormat format;
};

QTextCharFormat makeFormat(std::initializer_list<void (*)(QTextCharFormat&)> setters) {
  QTextCharFormat f;
  for (auto set : setters) set(f);
  return f;
}

TEST(RtfRoundTrip, KeepsTextAndFormatting) {
  const std::vector<StyledRun> runs = {
      {"plain ", {}},
      {"bold ", makeFormat({[](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); }})},
      {"italic ", makeFormat({[](QTextCharFormat& f) { f.setFontItalic(true); }})},
      {"under ", makeFormat({[](QTextCharFormat& f) { f.setFontUnderline(true); }})},
      {"strike ", makeFormat({[](QTextCharFormat& f) { f.setFontStrikeOut(true); }})},
      {"serif ", makeFormat({[](QTextCharFormat& f) { f.setFontFamilies({"DejaVu Serif"}); }})},
      {"big ", makeFormat({[](QTextCharFormat& f) { f.setFontPointSize(18); }})},
      {"half ", makeFormat({[](QTextCharFormat& f) { f.setFontPointSize(10.5); }})},
      {"red ", makeFormat({[](QTextCharFormat& f) { f.setForeground(QColor(255, 0, 0)); }})},
      {"marked ", makeFormat({[](QTextCharFormat& f) { f.setBackground(QColor(255, 255, 0)); }})},
      {QString::fromUtf8("\u00e9\u20ac\u201c\u201d\u03a9 "),
       makeFormat({[](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); },
                   [](QTextCharFormat& f) { f.setFontItalic(true); }})},
      {"{\\}", makeFormat({[](QTextCharFormat& f) { f.setFontFamilies({"Liberation Mono"}); },
                           [](QTextCharFormat& f) { f.setFontUnderline(true); }})},
  };
  QTextDocument doc;
  doc.setDefaultFont(QFont("Liberation Sans", 12));
  QTextCursor cursor(&doc);
  for (const StyledRun& run : runs) cursor.insertText(run.text, run.format);
  for (const Qt::Alignment a : {Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify}) {
    QTextBlockFormat block;
    block.setAlignment(a);
    cursor.insertBlock(block);
    cursor.insertText(QString("aligned %1").arg(a.toInt()));
  }

  const QByteArray out = rtf::write(doc);
  const auto back = readRtf(out);
  ASSERT_EQ(rawText(*back), rawText(doc)) << out.constData();

  for (const StyledRun& run : runs) {
    SCOPED_TRACE(run.text.toStdString());
    const QTextCharFormat want = formatOf(doc, run.text);
    const QTextCharFormat got = formatOf(*back, run.text);
    EXPECT_EQ(bold(got), bold(want));
    EXPECT_EQ(got.fontItalic(), want.fontItalic());
    EXPECT_EQ(got.fontUnderline(), want.fontUnderline());
    EXPECT_EQ(got.fontStrikeOut(), want.fontStrikeOut());
    EXPECT_EQ(family(got), family(want).isEmpty() ? "Liberation Sans" : family(want));
    EXPECT_DOUBLE_EQ(got.fontPointSize(), want.hasProperty(QTextFormat::FontPointSize)
                                              ? want.fontPointSize()
                                              : 12.0);
    EXPECT_EQ(got.foreground().style() == Qt::NoBrush, want.foreground().style() == Qt::NoBrush);
    EXPECT_EQ(got.foreground().color(), want.foreground().color());
    EXPECT_EQ(got.background().color(), want.background().color());
  }
  for (QTextBlock a = doc.begin(), b = back->begin(); a.isValid() && b.isValid();
       a = a.next(), b = b.next()) {
    EXPECT_EQ(b.blockFormat().alignment(), a.blockFormat().alignment()) << a.text().toStdString();
  }
}

TEST(RtfRoundTrip, ReadingWhatWasWrittenFromASampleChangesNothing) {
  for (const char* sample : {kRichTextControl, kWordPad, kWordProcessor}) {
    const auto first = readRtf(sample);
    const QByteArray once = rtf::write(*first);
    const auto second = readRtf(once);
    EXPECT_EQ(rawText(*second), rawText(*first));
    EXPECT_EQ(rtf::write(*second), once);
  }
}

}  // namespace
