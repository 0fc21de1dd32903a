#include <gtest/gtest.h>

#include "vocabulary/password_check.h"
#include "vocabulary/practice_texts.h"

namespace {

using namespace vocabulary;

PracticeState knownPractice() {
  PracticeState practice;
  practice.AssignmentName = QStringLiteral("Week 3");
  practice.TeacherName = QStringLiteral("Ms Hale");
  practice.StudentName = QStringLiteral("Ortiz, Ana");
  practice.Scores = {85, 90, 70, 75, 80, 100};
  return practice;
}

TEST(ScoreSummary, ShowsEveryScoreWithItsExactLabels) {
  PracticeState practice = knownPractice();
  MarkUnknownResults(practice);
  EXPECT_EQ(" ?", practice.SentencesMark);
  EXPECT_EQ(
      "Assignment.....Week 3\r\n"
      "Teacher..........Ms Hale\r\n"
      "Student...........Ortiz, Ana\r\n"
      "\r\n"
      "Multiple Choice 1 = 85\r\n"
      "Multiple Choice 2 = 90\r\n"
      "\r\n"
      "      Matching 1     =70\r\n"
      "      Matching 2     =75\r\n"
      "\r\n"
      "      Picture1          =80\r\n"
      "      Picture2          =100\r\n"
      "\r\n"
      "      Average          =83\r\n"
      "\r\n"
      "      Sentences      = ?\r\n"
      "      Spelling           = ?",
      ScoreSummaryText(practice, SummaryKind::Scores));
  const QString atExit = ScoreSummaryText(practice, SummaryKind::Exit);
  EXPECT_TRUE(atExit.contains("      Average          =83.3333333333333\r\n"));
  EXPECT_TRUE(atExit.endsWith("      Spelling            = ?"));
}

TEST(ScoreSummary, TheAverageRoundsHalfToEvenAndNeverOverflows) {
  EXPECT_EQ("82", AverageText({82, 82, 82, 82, 82, 85}, SummaryKind::Scores));  // 82.5
  EXPECT_EQ("84", AverageText({84, 84, 84, 84, 84, 81}, SummaryKind::Scores));  // 83.5
  EXPECT_EQ("32767", AverageText({32767, 32767, 32767, 32767, 32767, 32767}, SummaryKind::Scores));
  EXPECT_EQ("0.5", AverageText({3, 0, 0, 0, 0, 0}, SummaryKind::Exit));
}

TEST(StudyGuide, PutsBothDefinitionsOnTheirOwnLine) {
  PracticeState practice = knownPractice();
  practice.WordList = {{QStringLiteral("ajar"), QStringLiteral("slightly open"), QString()},
                       {QStringLiteral("brisk"), QStringLiteral("quick"), QStringLiteral("cool")}};
  EXPECT_EQ("Week 3   Study Guide     Ortiz, Ana\r\n\r\n"
            "1)  ajar    -slightly open\r\n\r\n"
            "2)  brisk\r\n    -quick    -cool\r\n\r\n",
            StudyGuideText(practice));
}

TEST(PasswordSum, AddsTheWindowsCodesOfTheCharacters) {
  EXPECT_EQ(395, PasswordSum(QStringLiteral("QUERN")));
  EXPECT_EQ(PasswordSum(QStringLiteral("NREUQ")), PasswordSum(QStringLiteral("QUERN")));
  EXPECT_EQ(0xE9, PasswordSum(QStringLiteral("é")));
  EXPECT_EQ(0x80, PasswordSum(QStringLiteral("€")));
  EXPECT_EQ(int('?'), PasswordSum(QStringLiteral("山")));
  EXPECT_EQ(32767, PasswordSum(QString(258, QChar(127)) + QChar(1)));
  EXPECT_FALSE(PasswordSum(QString(258, QChar(127)) + QChar(2)));
  EXPECT_FALSE(PasswordSum(QString(300, QChar(0xFF))));
}

TEST(PasswordSum, ATypedPasswordMatchesTheLeadingNumberOfTheCheckValue) {
  EXPECT_TRUE(PasswordAccepted(QStringLiteral("QUERN"), QStringLiteral("395")));
  EXPECT_TRUE(PasswordAccepted(QStringLiteral("QUERN"), QStringLiteral(" 395 extra")));
  EXPECT_FALSE(PasswordAccepted(QStringLiteral("quern"), QStringLiteral("395")));
  EXPECT_FALSE(PasswordAccepted(QStringLiteral("QUERN"), QString()));
  EXPECT_FALSE(PasswordAccepted(QString(300, QChar(0xFF)), QStringLiteral("76500")));
}

}  // namespace
