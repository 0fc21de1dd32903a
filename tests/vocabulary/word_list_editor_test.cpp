#include <QTest>
#include <gtest/gtest.h>

#include "lexorama_fixture.h"
#include "vocabulary/word_list_editor_window.h"
#include "vocabulary/word_list_file.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::LexoramaTest;
using vocabulary_testing::PromptKind;

class WordListEditorTest : public LexoramaTest {
 protected:
  WordListEditorWindow& editor() {
    WordListEditorWindow& window = lexorama.forms().get<WordListEditorWindow>();
    if (!window.isVisible()) window.Show();
    return window;
  }
  void apply(const QString& item) {
    editor().itemBox->setText(item);
    editor().applyButton->click();
  }
  QStringList listed() {
    QStringList items;
    for (int i = 0; i < editor().itemList->count(); ++i) items << editor().itemList->item(i)->text();
    return items;
  }
};

TEST_F(WordListEditorTest, ApplyTakesOnlyItemsWithADefinition) {
  EXPECT_EQ("Assignment Generator", editor().Caption());
  apply("ajar/slightly open");
  apply("/begins with a slash");
  apply("a/b/c/d");
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK).answerMessage(
      platform::vbOK);
  apply("ajar");
  apply("ajar/");
  apply("");
  EXPECT_EQ((QStringList{"ajar/slightly open", "/begins with a slash", "a/b/c/d"}), listed());
  EXPECT_EQ("You must put your text in the following format:\r\n\r\nWord/Definition\r\n"
            "Word/Definition1/Definition2",
            messages().back().text);
  EXPECT_TRUE(editor().itemBox->text().isEmpty());
}

TEST_F(WordListEditorTest, APastedLineBreakStaysInsideTheItem) {
  apply("brisk/quick\r\nand cool");
  EXPECT_EQ((QStringList{"brisk/quick and cool"}), listed());
}

TEST_F(WordListEditorTest, DoubleClickRemovesAnItemAndClearAsksFirst) {
  apply("a/1");
  apply("b/2");
  apply("c/3");
  QListWidget* list = editor().itemList;
  const QRect second = list->visualItemRect(list->item(1));
  // A double click is a press and release, then the second press.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ((QStringList{"a/1", "c/3"}), listed());

  interaction->answerMessage(platform::vbNo);
  editor().clearButton->click();
  EXPECT_EQ(2, list->count());
  EXPECT_EQ(platform::vbYesNo | platform::vbQuestion, messages().back().style);
  EXPECT_EQ("Do you wish to delete everything and start over?", messages().back().text);
  interaction->answerMessage(platform::vbYes);
  editor().clearButton->click();
  EXPECT_EQ(0, list->count());
}

TEST_F(WordListEditorTest, SavesAListTheWordListReaderAccepts) {
  interaction->answerMessage(platform::vbOK);
  editor().saveButton->click();
  EXPECT_EQ("Lexorama will not save a blank document.\r\nThis is a safety precaution to avoid "
            "overwriting an existing file with a blank one.",
            messages().back().text);
  EXPECT_TRUE(interaction->prompts(PromptKind::SaveDialog).empty());

  for (const char* item : {"ajar/slightly open", "brisk/quick/cool and fresh", "café/a/b/c"}) {
    apply(QString::fromUtf8(item));
  }
  QDir().mkpath(classFolder());
  const QString chosen = classFolder() + "Week 4";
  interaction->answerSave(chosen);
  editor().saveButton->click();
  const auto dialog = interaction->prompts(PromptKind::SaveDialog).back().request;
  EXPECT_EQ("Save As...", dialog.DialogTitle);
  EXPECT_EQ("Text Files (*.txt)|*.txt", dialog.Filter);
  EXPECT_EQ(6, dialog.Flags);

  const QByteArray bytes = readFile(chosen + ".txt");
  EXPECT_EQ(QByteArray("ajar/slightly open\r\nbrisk/quick/cool and fresh\r\ncaf\xc3\xa9/a/b/c\r\n"
                       "\r\n\r\n"),
            bytes);
  EXPECT_EQ(" Lexorama - " + chosen + ".txt", editor().Caption());
  const WordListResult read = ParseWordListBytes(bytes);
  ASSERT_TRUE(std::holds_alternative<QList<WordListItem>>(read));
  EXPECT_EQ("b/c", std::get<QList<WordListItem>>(read)[2].definition2);
}

TEST_F(WordListEditorTest, ALongListIsSavedOnlyWhenTheTeacherSaysSo) {
  for (int i = 1; i <= 100; ++i) apply(QStringLiteral("w%1/d").arg(i));
  interaction->answerMessage(platform::vbNo);
  editor().saveButton->click();
  EXPECT_TRUE(messages().back().text.contains("at most 99 items"));
  EXPECT_TRUE(interaction->prompts(PromptKind::SaveDialog).empty());

  const QString chosen = testing_support::testRoot() + "/long.TXT";
  interaction->answerMessage(platform::vbYes).answerSave(chosen);
  editor().saveButton->click();
  EXPECT_TRUE(readFile(chosen).startsWith("w1/d\r\n"));
}

TEST_F(WordListEditorTest, AFailedSaveIsToldAndLeavesTheListAsItWas) {
  apply("a/1");
  interaction->answerSave(testing_support::testRoot() + "/no such folder/x.txt")
      .answerMessage(platform::vbOK);
  editor().saveButton->click();
  EXPECT_EQ(1u, messages().size());
  EXPECT_EQ("Assignment Generator", editor().Caption());
  EXPECT_EQ(1, editor().itemList->count());
  interaction->cancelSave();
  editor().saveButton->click();
  EXPECT_EQ(1u, messages().size());
}

}  // namespace
