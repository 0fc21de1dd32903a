#include <QLocale>
#include <gtest/gtest.h>

#include "activity_fixture.h"
#include "vocabulary/sentences_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::ActivityTest;
using testing_support::PromptKind;

TEST(ElapsedTimeTest, CountsAcrossMidnightInHoursMinutesAndSeconds) {
  EXPECT_EQ("00:00:25", ElapsedTime(QTime(23, 59, 50), QTime(0, 0, 15)));
  EXPECT_EQ("00:12:05", ElapsedTime(QTime(9, 0, 0), QTime(9, 12, 5)));
  EXPECT_EQ("01:00:00", ElapsedTime(QTime(12, 30, 0), QTime(13, 30, 0)));
  EXPECT_EQ("", ElapsedTime(QTime(), QTime(1, 0, 0)));
}

class SentencesTest : public ActivityTest {
 protected:
  SentencesWindow& window() { return lexorama.forms().get<SentencesWindow>(); }
  void write(const QString& sentence) {
    window().sentenceBox->setFocus();
    QTest::keyClicks(window().sentenceBox, sentence);
    window().applyButton->click();
  }
  QString heading(const QString& time) {
    return "Ortiz, Ana       " + QLocale::system().toString(clock->time.date(), QLocale::ShortFormat) +
           "       Time = " + time + "       Pairs\r\n\r\n";
  }
  void SetUp() override {
    ActivityTest::SetUp();
    list = writeFile("class/Pairs.txt",
                     "cat/pet/feline\r\ndog/hound\r\nowl/bird\r\nant/insect/bug\r\nelm/tree\r\n\r\n");
  }
  QString list;
};

TEST_F(SentencesTest, FiveSentencesMakeATranscriptWithItsHeadingAndRecordTheActivity) {
  clock->time.setTime(QTime(23, 59, 50));
  start(list, 7);
  EXPECT_EQ("Sentences     Pairs     Ms Hale     Ortiz, Ana", window().Caption());
  EXPECT_EQ("cat", window().wordBox->Text());
  EXPECT_EQ("feline", window().definition2Box->Text());
  EXPECT_FALSE(window().skipButton->isEnabled());
  // An empty sentence adds nothing.
  window().applyButton->click();
  EXPECT_EQ("cat", window().wordBox->Text());
  EXPECT_EQ("", window().transcriptBox->Text());
  write("My cat sleeps.");
  EXPECT_EQ("dog", window().wordBox->Text());
  EXPECT_EQ("", window().definition2Box->Text());
  EXPECT_EQ("", window().sentenceBox->Text());
  for (const char* sentence : {"A dog barks.", "The owl hoots.", "An ant digs."}) write(sentence);
  clock->time = QDateTime(clock->time.date().addDays(1), QTime(0, 0, 15));
  interaction->answerMessage(platform::vbOK);
  write("The elm is tall.");
  const QString entries =
      "1.  cat - My cat sleeps.\r\n\r\n2.  dog - A dog barks.\r\n\r\n3.  owl - The owl hoots."
      "\r\n\r\n4.  ant - An ant digs.\r\n\r\n5.  elm - The elm is tall.\r\n\r\n";
  EXPECT_EQ(heading("00:00:25") + entries, window().transcriptBox->Text());
  EXPECT_EQ("That's all folks!", interaction->prompts(PromptKind::MessageBox).back().text);
  EXPECT_FALSE(window().applyButton->isEnabled());
  EXPECT_EQ("", window().wordBox->Text());
  EXPECT_EQ("OK", lexorama.practice.SentencesMark);
  const auto record = storedRecord("Pairs");
  ASSERT_TRUE(record);
  EXPECT_EQ(10, record->scores[kSentences]);
  EXPECT_EQ(0, record->scores[kSpelling]);
  // Skip after the end does nothing.
  window().skipButton->setEnabled(true);
  window().skipButton->click();
  EXPECT_EQ("", window().wordBox->Text());
}

TEST_F(SentencesTest, SaveOpenAndPrintTheTranscript) {
  start(list, 7);
  write("My cat sleeps.");
  const QString saved = classFolder() + "cat.rtf";
  interaction->answerSave(saved);
  window().saveButton->click();
  const auto request = interaction->prompts(PromptKind::SaveDialog).back().request;
  EXPECT_EQ("Save As...", request.DialogTitle);
  EXPECT_EQ("Rich Text Files (*.rtf)|*.rtf", request.Filter);
  EXPECT_EQ(" Lexorama - " + saved, window().Caption());
  const QByteArray bytes = readFile(saved);
  EXPECT_TRUE(bytes.startsWith("{\\rtf"));
  EXPECT_TRUE(bytes.endsWith("\r\n")) << bytes.right(20).toStdString();
  EXPECT_TRUE(bytes.trimmed().endsWith("}"));
  EXPECT_TRUE(bytes.contains("Ortiz, Ana"));
  EXPECT_TRUE(bytes.contains("cat - My cat sleeps."));

  // Cancel stays quiet; a file that cannot be written is told.
  interaction->cancelSave();
  window().saveButton->click();
  interaction->answerSave(classFolder() + "no such folder/x.rtf").answerMessage(platform::vbOK);
  window().saveButton->click();
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).back().text.startsWith(
      "Could not save " + classFolder() + "no such folder/x.rtf: "));

  // Open the saved transcript in a fresh window and go on from the second word.
  window().Unload();
  processEvents();
  setup().okButton->click();
  interaction->answerOpen(saved);
  window().openButton->click();
  EXPECT_EQ("Open", interaction->prompts(PromptKind::OpenDialog).back().request.DialogTitle);
  EXPECT_TRUE(window().transcriptBox->Text().contains("1.  cat - My cat sleeps."));
  EXPECT_TRUE(window().skipButton->isEnabled());
  EXPECT_EQ("cat", window().wordBox->Text());
  window().skipButton->click();
  EXPECT_EQ("dog", window().wordBox->Text());
  EXPECT_EQ("After opening an incomplete assignment press SKIP until you reach the word you need "
            "to continue the assignment.",
            window().instructionsLabel->text());

  // A file that cannot be opened says so and keeps the transcript.
  const QString before = window().transcriptBox->Text();
  interaction->answerOpen(classFolder() + "missing.rtf").answerMessage(platform::vbOK);
  window().openButton->click();
  EXPECT_EQ("Can't open file: " + classFolder() + "missing.rtf\r\n\r\nThe file does not exist.",
            interaction->prompts(PromptKind::MessageBox).back().text);
  EXPECT_EQ(before, window().transcriptBox->Text());

  interaction->answerPrint();
  window().printButton->click();
  EXPECT_EQ(1, printer->documentsEnded);
  EXPECT_EQ("Print...", interaction->prompts(PromptKind::PrintDialog).back().request.DialogTitle);
  // A printer that fails on the second page is told.
  window().transcriptBox->setText(QString("A line.\r\n").repeated(200));
  printer->failAtPage = 2;
  interaction->answerPrint().answerMessage(platform::vbOK);
  window().printButton->click();
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).back().text.contains("could not be printed"));
  interaction->cancelPrint();
  window().printButton->click();
  EXPECT_TRUE(interaction->allAnswered());
}

TEST_F(SentencesTest, SkippingToTheEndFinishesAndApplyThenDoesNothing) {
  start(list, 7);
  window().Unload();
  processEvents();
  setup().okButton->click();
  interaction->answerOpen(writeFile("class/old.rtf", "{\\rtf1 old}")).answerMessage(platform::vbOK);
  window().openButton->click();
  for (int i = 0; i < 5; ++i) window().skipButton->click();
  EXPECT_EQ("That's all folks!", interaction->prompts(PromptKind::MessageBox).back().text);
  EXPECT_TRUE(window().applyButton->isEnabled());
  const QString transcript = window().transcriptBox->Text();
  QTest::keyClicks(window().sentenceBox, "late");
  window().applyButton->click();
  window().skipButton->click();
  EXPECT_EQ(transcript, window().transcriptBox->Text());
  EXPECT_EQ(1, recordCount());
}

}  // namespace
