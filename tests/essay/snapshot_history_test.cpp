#include <QRandomGenerator>
#include <gtest/gtest.h>

#include "essay/snapshot_history.h"

namespace {

using essay::BoxEdit;
using essay::SnapshotHistory;
using essay::TextChange;

// What the box does with an edit.
void apply(QString& box, const BoxEdit& edit) { box.replace(edit.start, edit.length, edit.text); }

struct ChangeCase {
  const char* what;
  QString older;
  QString newer;
  int caret;
  TextChange expected;
};

class FindChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(FindChangeTest, FindsTheRangeThatReallyDiffers) {
  const ChangeCase& c = GetParam();
  const TextChange change = essay::findChange(c.older, c.newer, c.caret);
  EXPECT_EQ(c.expected.start, change.start);
  EXPECT_EQ(c.expected.removed, change.removed);
  EXPECT_EQ(c.expected.inserted, change.inserted);
  QString rebuilt = c.older;
  rebuilt.replace(change.start, change.removed, c.newer.mid(change.start, change.inserted));
  EXPECT_EQ(c.newer, rebuilt);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindChangeTest,
    ::testing::Values(
        ChangeCase{"typed x", "helo", "hexlo", 3, {2, 0, 1}},
        ChangeCase{"typed l after the l", "helo", "hello", 4, {3, 0, 1}},
        ChangeCase{"typed l before the l", "helo", "hello", 3, {2, 0, 1}},
        ChangeCase{"backspace at the end", "hello", "hell", 4, {4, 1, 0}},
        ChangeCase{"deleted a word and its blank", "a big dog", "a dog", 2, {2, 4, 0}},
        ChangeCase{"delete at the start of a run", "aaaa", "aaa", 0, {0, 1, 0}},
        ChangeCase{"backspace at the end of a run", "aaaa", "aaa", 3, {3, 1, 0}},
        ChangeCase{"typed over one selected character", "abc", "axc", 2, {1, 1, 1}},
        ChangeCase{"typed over a longer selection", "hello", "hao", 2, {1, 3, 1}},
        ChangeCase{"insertion away from the caret", "hello world", "hello brave world", 0,
                   {5, 0, 6}},
        ChangeCase{"replaced everything", "old text", "new", 0, {0, 8, 3}},
        ChangeCase{"from nothing", "", "abc", 3, {0, 0, 3}},
        ChangeCase{"to nothing", "abc", "", 0, {0, 3, 0}},
        ChangeCase{"nothing changed", "same", "same", 2, {2, 0, 0}},
        ChangeCase{"line break typed", "a\r\nb", "a\r\n\r\nb", 3, {1, 0, 2}},
        ChangeCase{"line break never split", "a\r\nb", "a\r\n\r\nb", 4, {1, 0, 2}},
        ChangeCase{"line break removed", "x\r\n\r\ny", "x\r\ny", 1, {1, 2, 0}},
        ChangeCase{"surrogate pair never split", QString::fromUtf8("x\xF0\x9F\x98\x80y"),
                   QString::fromUtf8("x\xF0\x9F\x98\x80\xF0\x9F\x98\x80y"), 4, {1, 0, 2}}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

struct EditCase {
  const char* what;
  QString before;
  QString after;
  int caretBefore;
  int caretAfter;
  BoxEdit undo;
  BoxEdit redo;
};

class UndoRedoTest : public ::testing::TestWithParam<EditCase> {};

// Undo puts the older text back and redo the newer, with the caret or selection a student
// expects: behind one restored character or line break, over a longer restored text.
TEST_P(UndoRedoTest, EditsTheBoxBackAndForth) {
  const EditCase& c = GetParam();
  SnapshotHistory history;
  history.record(c.before, c.caretBefore);
  history.record(c.after, c.caretAfter);
  QString box = c.after;

  const std::optional<BoxEdit> undo = history.undo();
  ASSERT_TRUE(undo);
  EXPECT_EQ(c.undo.start, undo->start);
  EXPECT_EQ(c.undo.length, undo->length);
  EXPECT_EQ(c.undo.text, undo->text);
  EXPECT_EQ(c.undo.selStart, undo->selStart);
  EXPECT_EQ(c.undo.selLength, undo->selLength);
  apply(box, *undo);
  EXPECT_EQ(c.before, box);
  EXPECT_EQ(c.before, history.text());
  EXPECT_EQ(c.caretBefore, history.caret());

  const std::optional<BoxEdit> redo = history.redo();
  ASSERT_TRUE(redo);
  EXPECT_EQ(c.redo.start, redo->start);
  EXPECT_EQ(c.redo.length, redo->length);
  EXPECT_EQ(c.redo.text, redo->text);
  EXPECT_EQ(c.redo.selStart, redo->selStart);
  EXPECT_EQ(c.redo.selLength, redo->selLength);
  apply(box, *redo);
  EXPECT_EQ(c.after, box);
  EXPECT_EQ(c.after, history.text());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, UndoRedoTest,
    ::testing::Values(
        EditCase{"typed_x", "helo", "hexlo", 2, 3, {2, 1, "", 2, 0}, {2, 0, "x", 3, 0}},
        EditCase{"backspace", "hello", "hell", 5, 4, {4, 0, "o", 5, 0}, {4, 1, "", 4, 0}},
        EditCase{"deleted_selection", "a big dog", "a dog", 2, 2, {2, 0, "big ", 2, 4},
                 {2, 4, "", 2, 0}},
        EditCase{"removed_line_break", "ab\r\ncd", "abcd", 4, 2, {2, 0, "\r\n", 4, 0},
                 {2, 2, "", 2, 0}},
        EditCase{"pasted_words", "ab", "a new b", 1, 6, {1, 5, "", 1, 0}, {1, 0, " new ", 1, 5}},
        EditCase{"typed_over_one_character", "abc", "axc", 1, 2, {1, 1, "b", 2, 0},
                 {1, 1, "x", 2, 0}},
        EditCase{"typed_over_a_selection", "hello", "hao", 1, 2, {1, 1, "ell", 1, 3},
                 {1, 3, "a", 2, 0}},
        EditCase{"formatting_only", "same", "same", 1, 1, {1, 0, "", 1, 0}, {1, 0, "", 1, 0}}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.what); });

TEST(SnapshotHistoryTest, CountsSnapshotsAsUndoAndRedoListsWould) {
  SnapshotHistory history;
  EXPECT_FALSE(history.undo());
  EXPECT_EQ(0, history.undoCount());
  history.record("a", 1);
  EXPECT_EQ(1, history.undoCount());
  EXPECT_FALSE(history.canUndo());
  EXPECT_FALSE(history.undo());

  history.record("ab", 2);
  history.record("abc", 3);
  EXPECT_EQ(3, history.undoCount());
  ASSERT_TRUE(history.undo());
  ASSERT_TRUE(history.undo());
  EXPECT_EQ(1, history.undoCount());
  EXPECT_EQ(2, history.redoCount());
  EXPECT_FALSE(history.undo());

  ASSERT_TRUE(history.redo());
  EXPECT_EQ("ab", history.text());
  history.record("abx", 3);  // a new change forgets what was undone
  EXPECT_FALSE(history.canRedo());
  EXPECT_FALSE(history.redo());
  EXPECT_EQ(3, history.undoCount());
}

TEST(SnapshotHistoryTest, DroppingTheNewestSnapshotForgetsIt) {
  SnapshotHistory history;
  history.record("", 0);
  history.dropNewest();
  EXPECT_EQ(0, history.undoCount());
  history.record("one", 3);
  history.record("one two", 7);
  history.dropNewest();
  EXPECT_EQ(1, history.undoCount());
  EXPECT_EQ("one", history.text());
  EXPECT_EQ(3, history.caret());
}

// Whatever the edits, undoing walks back through every snapshot and redoing forward again, the
// box equal to the snapshot at each step.
TEST(SnapshotHistoryTest, RandomEditsUndoAndRedoToEverySnapshot) {
  QRandomGenerator random(2024);
  const QString alphabet = QStringLiteral("ab \r\n");
  std::vector<QString> snapshots = {QStringLiteral("start\r\ntext")};
  SnapshotHistory history;
  history.record(snapshots.back(), 0);
  for (int i = 0; i < 400; ++i) {
    QString text = snapshots.back();
    const int at = int(random.bounded(int(text.size()) + 1));
    const int removed = int(random.bounded(qMin<int>(4, int(text.size()) - at) + 1));
    QString inserted;
    for (int n = int(random.bounded(4)); n > 0; --n) {
      inserted += alphabet.at(int(random.bounded(int(alphabet.size()))));
    }
    text.replace(at, removed, inserted);
    snapshots.push_back(text);
    history.record(text, int(random.bounded(int(text.size()) + 1)));
  }

  QString box = snapshots.back();
  for (std::size_t i = snapshots.size() - 1; i > 0; --i) {
    const std::optional<BoxEdit> edit = history.undo();
    ASSERT_TRUE(edit);
    apply(box, *edit);
    ASSERT_EQ(snapshots[i - 1], box) << "after undo to snapshot " << i - 1;
    ASSERT_EQ(snapshots[i - 1], history.text());
  }
  for (std::size_t i = 1; i < snapshots.size(); ++i) {
    const std::optional<BoxEdit> edit = history.redo();
    ASSERT_TRUE(edit);
    apply(box, *edit);
    ASSERT_EQ(snapshots[i], box) << "after redo to snapshot " << i;
  }
}

TEST(SnapshotHistoryTest, MemoryGrowsWithTheEditsNotWithTheText) {
  const QString document(100 * 1024, u'w');
  SnapshotHistory history;
  QString text = document;
  // Each snapshot comes as the box gives it: a text of its own, no room to spare.
  const auto boxText = [&text] { return QString(text.constData(), text.size()); };
  history.record(boxText(), 0);
  const std::size_t oneSnapshot = history.byteCount();
  for (int i = 0; i < 1000; ++i) {
    text.insert(i * 50, u'x');
    history.record(boxText(), i * 50 + 1);
  }
  ASSERT_EQ(1001, history.undoCount());
  const std::size_t perEdit = (history.byteCount() - oneSnapshot) / 1000;
  EXPECT_LT(perEdit, 200u);
  while (history.undo()) {
  }
  EXPECT_EQ(document, history.text());
}

}  // namespace
