#include <gtest/gtest.h>

#include "vocabulary/word_list_file.h"

namespace {

using namespace vocabulary;

QList<WordListItem> itemsOf(const WordListResult& result) {
  EXPECT_TRUE(std::holds_alternative<QList<WordListItem>>(result));
  return std::holds_alternative<QList<WordListItem>>(result)
             ? std::get<QList<WordListItem>>(result)
             : QList<WordListItem>{};
}

WordListError errorOf(const WordListResult& result) {
  EXPECT_TRUE(std::holds_alternative<WordListError>(result));
  return std::holds_alternative<WordListError>(result) ? std::get<WordListError>(result)
                                                       : WordListError{};
}

QByteArray listOf(int items, const QByteArray& end = "\r\n") {
  QByteArray bytes;
  for (int i = 1; i <= items; ++i) bytes += "word" + QByteArray::number(i) + "/meaning" + end;
  return bytes;
}

TEST(WordListLine, SplitsAtTheFirstTwoSlashesOnly) {
  struct Case {
    const char* line;
    const char* word;
    const char* first;
    const char* second;
  } cases[] = {
      {"ajar/slightly open", "ajar", "slightly open", ""},
      {"a/b/c/d", "a", "b", "c/d"},
      {"/no word", "", "no word", ""},
      {"no meaning/", "no meaning", "", ""},
      {"x//y", "x", "", "y"},
  };
  for (const Case& c : cases) {
    WordListItem item;
    ASSERT_TRUE(SplitWordListLine(QString::fromUtf8(c.line), item)) << c.line;
    EXPECT_EQ(c.word, item.word) << c.line;
    EXPECT_EQ(c.first, item.definition1) << c.line;
    EXPECT_EQ(c.second, item.definition2) << c.line;
  }
  WordListItem item;
  EXPECT_FALSE(SplitWordListLine(QStringLiteral("ajar"), item));
}

TEST(WordListFile, ReadsUpToTheFirstEmptyLine) {
  const auto items = itemsOf(ParseWordListBytes(
      "ajar/slightly open\r\nbrisk/quick/cool and fresh\r\n\r\nignored line\r\n"));
  ASSERT_EQ(2, items.size());
  EXPECT_EQ("brisk", items[1].word);
  EXPECT_EQ("cool and fresh", items[1].definition2);
}

TEST(WordListFile, HoldsAtMostNinetyNineItems) {
  EXPECT_EQ(5, itemsOf(ParseWordListBytes(listOf(5) + "\r\n")).size());
  EXPECT_EQ(99, itemsOf(ParseWordListBytes(listOf(99) + "\r\n")).size());
  EXPECT_EQ(WordListProblem::TooManyItems, errorOf(ParseWordListBytes(listOf(100) + "\r\n")).problem);
  // An empty line at line 100 is still in time.
  EXPECT_EQ(99, itemsOf(ParseWordListBytes(listOf(99) + "\r\nmore/after\r\n")).size());
}

TEST(WordListFile, RefusesAListWithoutItsEmptyLineOrWithALineWithoutSlash) {
  EXPECT_EQ(WordListProblem::EndsBeforeEmptyLine, errorOf(ParseWordListBytes(listOf(6))).problem);
  EXPECT_EQ(WordListProblem::Empty, errorOf(ParseWordListBytes("")).problem);
  const WordListError error = errorOf(ParseWordListBytes("a/b\r\nno slash\r\n\r\n"));
  EXPECT_EQ(WordListProblem::LineWithoutSlash, error.problem);
  EXPECT_EQ(2, error.lineNumber);
  EXPECT_TRUE(WordListErrorText(error).startsWith(
      "This file is not of a format supported by this program.\r\n"));
}

TEST(WordListFile, ReadsWindowsAndLinuxFilesTheSame) {
  const auto windows = itemsOf(ParseWordListBytes("caf\xe9/a coffee shop\r\nna\xefve/innocent\r\n\r\n"));
  const auto linux = itemsOf(ParseWordListBytes("caf\xc3\xa9/a coffee shop\nna\xc3\xafve/innocent\n\n"));
  ASSERT_EQ(2, windows.size());
  ASSERT_EQ(2, linux.size());
  EXPECT_EQ(QStringLiteral("café"), windows[0].word);
  EXPECT_EQ(windows[0].word, linux[0].word);
  EXPECT_EQ(windows[1].word, linux[1].word);
}

TEST(WordListFile, WhatTheEditorWritesReadsBack) {
  const QStringList items = {QStringLiteral("ajar/slightly open"), QStringLiteral("a/b/c/d"),
                             QStringLiteral("/odd")};
  const QString text = WordListFileText(items);
  EXPECT_EQ("ajar/slightly open\r\na/b/c/d\r\n/odd\r\n\r\n\r\n", text);
  const auto read = itemsOf(ParseWordListBytes(text.toUtf8()));
  ASSERT_EQ(3, read.size());
  EXPECT_EQ("c/d", read[1].definition2);
}

TEST(WordListFile, TheTestNameDropsTheLastFourCharacters) {
  QString name;
  ASSERT_TRUE(AssignmentNameOf(QStringLiteral("/class/Lexorama Assignments/list.txt"), name));
  EXPECT_EQ("list", name);
  EXPECT_FALSE(AssignmentNameOf(QStringLiteral("/class/ab"), name));
  EXPECT_EQ("list", name);
}

}  // namespace
