// Rich text from Windows word processors set up for other languages: bytes written as \'hh or
// as they are, in the code page of the font or of the document.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "platform/richtext/rtf.h"

namespace {

struct Sample {
  const char* name;
  const char* rtf;
  const char* text;    // UTF-8
  const char* family;  // of the first character, UTF-8
};

QString rawText(const QTextDocument& doc) {
  return doc.toRawText().replace(QChar::ParagraphSeparator, QChar('\n'));
}

QString textOf(const QByteArray& rtf) {
  QTextDocument doc;
  platform::rtf::read(rtf, doc);
  return rawText(doc);
}

void expectReads(const Sample& sample) {
  QTextDocument doc;
  platform::rtf::read(sample.rtf, doc);
  EXPECT_EQ(rawText(doc), QString::fromUtf8(sample.text)) << sample.name;
  QTextCursor first(&doc);
  first.setPosition(1);
  EXPECT_EQ(first.charFormat().fontFamilies().toStringList().value(0),
            QString::fromUtf8(sample.family))
      << sample.name;
}

TEST(RtfCodePages, DoubleByteDocumentsReadInTheirCodePage) {
  const Sample samples[] = {
      {"932, second bytes partly plain or escaped",
       R"({\rtf1\ansi\ansicpg932\deff0\nouicompat\deflang1033\deflangfe1041{\fonttbl{\f0\fnil\fcharset128 \'82l\'82r \'96\'be\'92\'a9;}{\f1\fswiss\fcharset0 Arial;}}
{\*\generator Riched20 10.0.19041}\viewkind4\uc1 
\pard\sa200\sl276\slmult1\f0\fs22\lang1041 \'93\'fa\'96\'7b\'8c\'ea\'82\'cc\'8d\'ec\'95\'b6\par
\'83e\'83X\'83g \'b1\'b2\'b3 \'83\\\f1\lang1033  Essay\f0\lang1041\par
}
)",
       "日本語の作文\nテスト ｱｲｳ ソ Essay", "ＭＳ 明朝"},
      {"936, fonts switched the way Word does",
       R"({\rtf1\adeflang1025\ansi\ansicpg936\uc2\adeff0\deff0\stshfdbch13\stshfloch0\deflang1033\deflangfe2052{\fonttbl{\f0\fbidi \froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;}
{\f13\fbidi \fnil\fcharset134\fprq2{\*\panose 02010600030101010101}\'cb\'ce\'cc\'e5{\*\falt SimSun};}}
{\*\rsidtbl \rsid1}\pard\plain \ltrpar\ql \rtlch\fcs1 \af0\afs24 \ltrch\fcs0 \fs21\lang1033\langfe2052\loch\f0\hich\af0\dbch\af13 {\rtlch\fcs1 \af0 \ltrch\fcs0 \hich\af13\dbch\af13\loch\f13 \'d6\'d0\'ce\'c4\'d7\'f7\'ce\'c4}{\rtlch\fcs1 \af0 \ltrch\fcs0 \loch\f0  Essay}{\rtlch\fcs1 \af0 \ltrch\fcs0 \hich\af13\dbch\af13\loch\f13 \u20013\'d6\'d0}\par }
)",
       "中文作文 Essay中", "宋体"},
      {"949, with a character only the Windows code page has",
       R"({\rtf1\ansi\ansicpg949\deff0\nouicompat\deflang1033\deflangfe1042{\fonttbl{\f0\fnil\fcharset129 \'b1\'bc\'b8\'b2;}}
\viewkind4\uc1\pard\f0\fs20\lang1042 \'c7\'d1\'b1\'b9\'be\'ee \'c0\'db\'b9\'ae \'8cc\par
}
)",
       "한국어 작문 똠", "굴림"},
      {"950, with backslash and at sign as second bytes",
       R"({\rtf1\ansi\ansicpg950\deff0\deflang1033\deflangfe1028{\fonttbl{\f0\fnil\fcharset136 \'b7s\'b2\'d3\'a9\'fa\'c5\'e9;}}
\viewkind4\uc1\pard\f0\fs20 \'a4\'a4\'a4\'e5\'a7@\'a4\'e5 \'b3\\\par
}
)",
       "中文作文 許", "新細明體"},
  };
  for (const Sample& s : samples) expectReads(s);
}

TEST(RtfCodePages, SingleByteDocumentsReadInTheirCodePage) {
  const Sample samples[] = {
      {"1250",
       R"({\rtf1\ansi\ansicpg1250\deff0\deflang1029{\fonttbl{\f0\fswiss\fcharset238 Arial CE;}}
\viewkind4\uc1\pard\f0\fs20 P\'f8\'edli\'9a \'9elu\'9dou\'e8k\'fd k\'f9\'f2\par
}
)",
       "Příliš žluťoučký kůň", "Arial CE"},
      {"1251",
       R"({\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl{\f0\froman\fprq2\fcharset204 Times New Roman;}}
\viewkind4\uc1\pard\qc\b\f0\fs28 \'d1\'ee\'f7\'e8\'ed\'e5\'ed\'e8\'e5 \'ee \'eb\'e5\'f2\'e5\b0\par
}
)",
       "Сочинение о лете", "Times New Roman"},
      {"1253",
       R"({\rtf1\ansi\ansicpg1253\deff0\deflang1032{\fonttbl{\f0\fswiss\fcharset161 Arial Greek;}}
\viewkind4\uc1\pard\f0\fs20 \'b8\'ea\'e8\'e5\'f3\'e7 \'e3\'e9\'e1 \'f4\'ef \'ea\'e1\'eb\'ef\'ea\'e1\'df\'f1\'e9\par
}
)",
       "Έκθεση για το καλοκαίρι", "Arial Greek"},
      {"Mac Roman",
       R"({\rtf1\mac\deff0{\fonttbl{\f0\fswiss Helvetica;}}
\pard\f0\fs24 caf\'8e na\'95ve \'d2quoted\'d3 \'d0 \'db\par
}
)",
       "café naïve “quoted” – €", "Helvetica"},
  };
  for (const Sample& s : samples) expectReads(s);
}

TEST(RtfCodePages, FontCodePageHoldsWhileTheFontIsInForce) {
  const QByteArray fonts =
      R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fswiss\fcharset204 Arial Cyr;}{\f2\fnil\cpg1253 Greek;}{\f3\fnil\fcharset1 Default;}})";
  const struct {
    const char* body;
    const char* text;
  } cases[] = {
      {R"(\'e9{\f1\'e9}\'e9)", "éйé"},
      {R"(\f1\'e9\plain\'e9)", "йé"},
      {R"(\f1\'e9\f0\'e9\f2\'e1\f3\'e9)", "йéαé"},
      {R"(\f1 caf\u233?\'e9)", "caféй"},
      {"\\f1 \xd1\xee\xed", "Сон"},  // bytes written as they are
  };
  for (const auto& c : cases)
    EXPECT_EQ(textOf(fonts + c.body + "}"), QString::fromUtf8(c.text)) << c.body;

  // Fonts of the ANSI character set are Windows-1252 whatever the document says; fonts of the
  // default character set follow the document's code page.
  EXPECT_EQ(textOf(R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fcharset0 Arial;}}\f0 \'e9})"),
            QString::fromUtf8("é"));
  EXPECT_EQ(textOf(R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fcharset1 Arial;}}\f0 \'e9})"),
            QString::fromUtf8("й"));
  EXPECT_EQ(textOf(R"({\rtf1\pc \'82\'b2})"), QString::fromUtf8("é▓"));
  EXPECT_EQ(textOf(R"({\rtf1\pca \'82\'b8})"), QString::fromUtf8("é©"));
  // Code pages the reader does not know read as Windows-1252.
  EXPECT_EQ(textOf(R"({\rtf1\ansi\ansicpg99999 \'e9\'80})"), QString::fromUtf8("é€"));
}

TEST(RtfCodePages, DoubleBytePairsSurviveOddWritersAndBrokenPairsAreDropped) {
  const QByteArray head = R"({\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\fnil\fcharset128 Gothic;}})";
  const struct {
    const char* body;
    const char* text;
  } cases[] = {
      {"\x83\x65\x83\x58\x83\x67 \x8d\xec\x95\xb6", "テスト 作文"},  // bytes as they are
      {"\\'83\r\ne", "テ"},
      {R"(\'83\{\'83\})", "ボマ"},
      {R"(\uc2\u26085\'93\'fax)", "日x"},
      {R"({\'93}x)", "x"},
      {R"(\'93\par x)", "\nx"},
      {R"(\'93)", ""},
      {R"(\'b1\'41)", "ｱA"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(textOf(head + c.body + "}"), QString::fromUtf8(c.text)) << c.body;
}

TEST(RtfCodePages, SymbolFontTextReadsAsTheCharactersItShows) {
  const Sample samples[] = {
      {"bullet list as simple editors write it",
       R"({\rtf1\ansi\ansicpg1252\deff0\nouicompat{\fonttbl{\f0\fnil\fcharset0 Calibri;}{\f1\fnil\fcharset2 Symbol;}}
\viewkind4\uc1 
\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-360\li720\f0\fs22 Apples\par
{\pntext\f1\'B7\tab}Pears\par
\pard\f0 Done\par
}
)",
       "Apples\nPears\nDone", "Calibri"},
      {"bullet list as word processors write it",
       R"({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff0\deff0{\fonttbl{\f0\fbidi \froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;}{\f3\fbidi \froman\fcharset2\fprq2{\*\panose 05050102010706020507}Symbol;}}
{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23\leveljc0\levelfollow0\levelstartat1{\leveltext\leveltemplateid67698689\'01\u-3913 ?;}{\levelnumbers;}\f3\fi-360\li720}{\listname ;}\listid1}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}}
{\listtext\pard\plain\ltrpar \rtlch\fcs1 \af0 \ltrch\fcs0 \f3\fs24\loch\af3\hich\af3\dbch\af0 \loch\f3 \'b7\tab}\pard\plain \ltrpar\fi-360\li720\ls1\f0\fs24 Apples\par
{\listtext\pard\plain\ltrpar \f3\fs24 \'b7\tab}Pears\par }
)",
       "Apples\nPears", "Times New Roman"},
      {"Greek letters, relations and arrows",
       R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset2 Symbol;}}\f0 a\'b3b \'ae p D W})",
       "α≥β → π Δ Ω", "Symbol"},
      {"Unicode writers addressing the font in the private range",
       R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset2 Symbol;}}\f0\u-3913?\u-3999?\u-3984?})",
       "•απ", "Symbol"},
      {"other symbol fonts keep their codes",
       R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset2 Wingdings;}}\f0\'a7 a\u-3913?})",
       "§ a\uf0b7", "Wingdings"},
  };
  for (const Sample& s : samples) expectReads(s);
}

}  // namespace
