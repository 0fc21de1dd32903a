#include <gtest/gtest.h>

#include "essay/essay_text.h"

namespace {

using essay::EssayStore;

const QString kCrLf = QStringLiteral("\r\n");

EssayStore outlinedStore() {
  EssayStore store;
  store.StudentName = "Ana Lima";
  store.CurrentFile = "garden";
  store.ThemeLine = "Theme/Main Question-   Why keep a garden?" + kCrLf;
  store.IntroLine = "Introduction-   Gardens teach patience" + kCrLf;
  store.MainIdea1Line = "Main Idea #1-   Food" + kCrLf;
  store.MainIdea1Details = {"Tomatoes" + kCrLf, "B" + kCrLf, kCrLf, ""};
  store.MainIdea2Line = "Main Idea #2-   " + kCrLf;
  store.MainIdea2Details = {"Orphan" + kCrLf, kCrLf, kCrLf, kCrLf};
  store.MainIdea3Line = "Main Idea #3-   Birds" + kCrLf;
  store.ConclusionLine = "Conclusion-   Grow something";
  store.IntroParagraph = "Intro.";
  store.MainIdea1Paragraph = "First.";
  store.MainIdea2Paragraph = "Second.";
  store.MainIdea3Paragraph = "Third.";
  store.ConclusionParagraph = "End.";
  return store;
}

TEST(EssayText, MainIdeaHasTextOnlyBeyondItsLabel) {
  EXPECT_FALSE(essay::MainIdeaHasText("Main Idea #2-   " + kCrLf));  // 18 characters
  EXPECT_TRUE(essay::MainIdeaHasText("Main Idea #2-   x" + kCrLf));
  EXPECT_FALSE(essay::MainIdeaHasText(""));
}

TEST(EssayText, OutlineListsLinesWithTheirDetailsAndSkipsEmptyOnes) {
  const QString outline = essay::BuildOutline(outlinedStore());
  const QString expected = "Introduction-   Gardens teach patience" + kCrLf + kCrLf +
                           "Main Idea #1-   Food" + kCrLf + "  Tomatoes" + kCrLf + "  B" + kCrLf +
                           "  Orphan" + kCrLf + kCrLf + "Main Idea #3-   Birds" + kCrLf + kCrLf +
                           "Conclusion-   Grow something";
  EXPECT_EQ(expected, outline);
}

TEST(EssayText, PreviewLeavesOutMainIdeasWithoutText) {
  EssayStore store = outlinedStore();
  // Main idea 3 holds text, so main idea 2 stays although its own line is empty.
  EXPECT_EQ("     Intro.\r\n     First.\r\n     Second.\r\n     Third.\r\n     End.",
            essay::PreviewText(store));
  store.MainIdea3Line = "Main Idea #3-   " + kCrLf;
  store.MainIdea2Line = "Main Idea #2-   Roots" + kCrLf;
  EXPECT_EQ("     Intro.\r\n     First.\r\n     Second.\r\n     End.", essay::PreviewText(store));
  store.MainIdea2Line = "Main Idea #2-   " + kCrLf;
  EXPECT_EQ("     Intro.\r\n     First.\r\n     End.", essay::PreviewText(store));
}

TEST(EssayText, HeadingDateAndTimeIgnoreTheLocale) {
  EXPECT_EQ("3/4/07", essay::HeadingDate(QDate(2007, 3, 4)));
  EXPECT_EQ("12/25/26", essay::HeadingDate(QDate(2026, 12, 25)));
  EXPECT_EQ("12:05 AM", essay::HeadingTime(QTime(0, 5)));
  EXPECT_EQ("09:26 AM", essay::HeadingTime(QTime(9, 26, 53)));
  EXPECT_EQ("12:00 PM", essay::HeadingTime(QTime(12, 0)));
  EXPECT_EQ("11:59 PM", essay::HeadingTime(QTime(23, 59)));
}

TEST(EssayText, HeadingTakesTheThemeOnlyWhenLongEnough) {
  EssayStore store = outlinedStore();
  const QDateTime when(QDate(2026, 3, 14), QTime(15, 7));
  store.ThemeLine = "Theme/Main Question-   " + QString(15, 'x') + kCrLf;
  EXPECT_EQ("Ana Lima\r\n3/14/26\r\n03:07 PM\r\ngarden\r\n" + QString(15, 'x') + kCrLf,
            essay::PaperHeader(store, when));
  store.ThemeLine = "Theme/Main Question-   " + QString(14, 'x') + kCrLf;
  EXPECT_EQ("Ana Lima\r\n3/14/26\r\n03:07 PM\r\ngarden\r\n", essay::PaperHeader(store, when));
  store.ThemeLine = "Theme";
  store.StudentName.clear();
  EXPECT_EQ("\r\n3/14/26\r\n03:07 PM\r\ngarden\r\n", essay::PaperHeader(store, when));
}

TEST(EssayText, EssayJoinsTheChosenParagraphsUnderTheHeading) {
  const EssayStore store = outlinedStore();
  const QString indent(12, ' ');
  const QString header = "Ana\r\n";
  EXPECT_EQ(header + kCrLf + kCrLf + indent + "Intro." + kCrLf + indent + "First." + kCrLf +
                indent + "End.",
            essay::EssayText(header, store, 3));
  EXPECT_EQ(header + kCrLf + kCrLf + indent + "Intro." + kCrLf + indent + "First." + kCrLf +
                indent + "Second." + kCrLf + indent + "Third." + kCrLf + indent + "End.",
            essay::EssayText(header, store, 5));
}

struct SpacingCase {
  const char* text;
  int insertPos;
  const char* leading;
  const char* trailing;
};

TEST(EssayText, InsertSpacingPadsWhereTheInsertWouldTouchAWord) {
  const SpacingCase cases[] = {
      {"The cat", 7, " ", " "},   // after the last letter: nothing behind the caret
      {"The cat", 4, "", " "},    // just after a blank, before a word
      {"The cat", 3, " ", ""},    // just before the blank
      {"", 0, "", " "},           // no click: no leading blank, third character looked at
      {"ab cd", 0, "", ""},       // the third character is a blank
      {"ab", 0, "", " "},
      {"x", 1, " ", " "},
  };
  for (const SpacingCase& c : cases) {
    const auto blanks = essay::InsertSpacing(c.text, c.insertPos);
    EXPECT_EQ(c.leading, blanks.leading) << c.text << " at " << c.insertPos;
    EXPECT_EQ(c.trailing, blanks.trailing) << c.text << " at " << c.insertPos;
  }
}

}  // namespace
