#include <gtest/gtest.h>

#include "essay/assignment_file.h"
#include "support/fixture.h"

namespace {

using essay::Assignment;
using essay::MainIdeaBlock;

const QString kCrLf = QStringLiteral("\r\n");

Assignment sampleAssignment(const QString& name) {
  Assignment a;
  a.studentName = name;
  a.themeLine = "Theme/Main Question-   Why keep a garden?" + kCrLf;
  a.introLine = "Introduction-   Gardens teach patience" + kCrLf;
  a.mainIdeaBlocks[0] = MainIdeaBlock{"Main Idea #1-   Food" + kCrLf,
                                      {"Tomatoes" + kCrLf, "Beans" + kCrLf, kCrLf, kCrLf}}
                            .joined();
  a.mainIdeaBlocks[1] = MainIdeaBlock{"Main Idea #2-   " + kCrLf, {kCrLf, kCrLf, kCrLf, kCrLf}}
                            .joined();
  a.mainIdeaBlocks[2] = MainIdeaBlock{"Main Idea #3-   Café mornings" + kCrLf,
                                      {"Birds" + kCrLf, kCrLf, kCrLf, "Quiet" + kCrLf}}
                            .joined();
  a.conclusionLine = "Conclusion-   Grow something";
  a.paragraphs = {"My garden is small." + kCrLf + "It is mine.", "Food grows.", "", "Birds sing.",
                  "Grow something."};
  return a;
}

void expectSame(const Assignment& expected, const Assignment& actual) {
  EXPECT_EQ(expected.outlineOnly, actual.outlineOnly);
  EXPECT_EQ(expected.studentName, actual.studentName);
  EXPECT_EQ(expected.themeLine, actual.themeLine);
  EXPECT_EQ(expected.introLine, actual.introLine);
  EXPECT_EQ(expected.mainIdeaBlocks, actual.mainIdeaBlocks);
  EXPECT_EQ(expected.conclusionLine, actual.conclusionLine);
  EXPECT_EQ(expected.paragraphs, actual.paragraphs);
}

TEST(AssignmentRecord, FullLayoutIsWrittenFieldByField) {
  const QString record = essay::assignmentRecord(sampleAssignment("Ana Lima"));
  const QString expected =
      "`Ana Lima`Theme/Main Question-   Why keep a garden?\r\n`Introduction-   Gardens teach "
      "patience\r\n`Main Idea #1-   Food\r\n@Tomatoes\r\n@Beans\r\n@\r\n@\r\n`Main Idea #2-   "
      "\r\n@\r\n@\r\n@\r\n@\r\n`Main Idea #3-   Café mornings\r\n@Birds\r\n@\r\n@\r\n@Quiet\r\n`"
      "Conclusion-   Grow something`My garden is small.\r\nIt is mine.`Food grows.``Birds sing.`"
      "Grow something.`\r\n";
  EXPECT_EQ(expected, record);
  EXPECT_TRUE(essay::assignmentRecord(sampleAssignment("")).startsWith("``Theme"));
}

TEST(AssignmentRecord, ReadsBackTheFullLayoutWithLineBreaksInsideValues) {
  for (const QString& name : {QStringLiteral("Ana Lima"), QString()}) {
    const Assignment written = sampleAssignment(name);
    expectSame(written, essay::parseAssignment(essay::assignmentRecord(written)));
  }
}

TEST(AssignmentRecord, OutlineOnlyLayoutTakesSixFieldsAndIgnoresTheRest) {
  const QString text =
      "Theme/Main Question-   Pets\r\n`Introduction-   Pets help\r\n`Main Idea #1-   Dogs\r\n@Walks"
      "\r\n@\r\n@\r\n@\r\n`Main Idea #2-   Cats\r\n@\r\n@\r\n@\r\n@\r\n`Main Idea #3-   \r\n@\r\n@"
      "\r\n@\r\n@\r\n`Conclusion-   Love them`Extra field`more\r\n";
  const Assignment a = essay::parseAssignment(text);
  EXPECT_TRUE(a.outlineOnly);
  EXPECT_EQ("", a.studentName);
  EXPECT_EQ("Theme/Main Question-   Pets\r\n", a.themeLine);
  EXPECT_EQ("Walks\r\n", MainIdeaBlock::split(a.mainIdeaBlocks[0]).details[0]);
  EXPECT_EQ("Main Idea #2-   Cats\r\n", MainIdeaBlock::split(a.mainIdeaBlocks[1]).line);
  EXPECT_EQ("Conclusion-   Love them", a.conclusionLine);
  for (const QString& paragraph : a.paragraphs) EXPECT_EQ("", paragraph);
}

TEST(AssignmentRecord, ShortOrEmptyTextsGiveEmptyFields) {
  const Assignment a = essay::parseAssignment("`Ana`Theme/Main Question-   X\r\n`");
  EXPECT_FALSE(a.outlineOnly);
  EXPECT_EQ("Ana", a.studentName);
  EXPECT_EQ("", a.introLine);
  EXPECT_EQ("", a.paragraphs[4]);
  const Assignment empty = essay::parseAssignment(QString());
  EXPECT_TRUE(empty.outlineOnly);
  EXPECT_EQ("", empty.themeLine);
}

class AssignmentFileTest : public testing_support::RuntimeTest {};

TEST_F(AssignmentFileTest, FileRoundTripIsByteExact) {
  const QString path = testing_support::testRoot() + "/garden.ql";
  const Assignment written = sampleAssignment("Zoë Brandt");
  ASSERT_EQ("", essay::writeAssignmentFile(path, written));
  const QByteArray bytes = readFile(path);
  EXPECT_EQ(essay::assignmentRecord(written).toUtf8(), bytes);

  const auto read = essay::readAssignmentFile(path);
  ASSERT_TRUE(read.has_value());
  expectSame(written, *read);
  ASSERT_EQ("", essay::writeAssignmentFile(path, *read));
  EXPECT_EQ(bytes, readFile(path));
}

TEST_F(AssignmentFileTest, ReadsAFileWrittenOnWindows) {
  // Windows-1252: "é" is one byte, 0xE9.
  const QString path = writeFile("old.ql", "``Theme/Main Question-   Caf\xE9\r\n`\r\n");
  const auto read = essay::readAssignmentFile(path);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(QString::fromUtf8("Theme/Main Question-   Café\r\n"), read->themeLine);
}

TEST_F(AssignmentFileTest, MissingFileReadsAsNothing) {
  EXPECT_FALSE(essay::readAssignmentFile(testing_support::testRoot() + "/none.ql").has_value());
}

}  // namespace

namespace {

TEST(AssignmentRecord, AMainIdeaWithoutDetailMarksHasNoDetails) {
  const essay::MainIdeaBlock block = essay::MainIdeaBlock::split("Main Idea #1-   Alone\r\n");
  EXPECT_EQ("Main Idea #1-   Alone\r\n", block.line);
  for (const QString& detail : block.details) EXPECT_EQ("", detail);
}

}  // namespace
