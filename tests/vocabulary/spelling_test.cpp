#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "activity_fixture.h"
#include "vocabulary/spelling_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::ActivityTest;
using testing_support::PromptKind;

class SpellingTest : public ActivityTest {
 protected:
  SpellingWindow& window() { return lexorama.forms().get<SpellingWindow>(); }
  testing_support::CharacterLog& owl() { return *characters->log; }
  void type(const QString& text) {
    window().answerBox->clear();
    QTest::keyClicks(window().answerBox, text);
    QTest::keyClick(window().answerBox, Qt::Key_Return);
  }
  // Spells every word given, right, up to the end of the run; `done` words are spelled already.
  void spellAll(int done = 0) {
    spelledRight_ = done;
    while (lexorama.forms().isLoaded<SpellingWindow>()) {
      const QString word = owl().spoken().back();
      if (lexorama.practice.ItemCount() == spelledRight_ + 1) interaction->answerMessage(platform::vbOK);
      type(word);
      ++spelledRight_;
      processEvents();
      if (!lexorama.forms().isLoaded<SpellingWindow>()) break;
      EXPECT_EQ("Correct!", window().answerBox->text());
      type(window().answerBox->text());  // Enter on "Next Word"
    }
    spelledRight_ = 0;
  }
  int spelledRight_ = 0;
};

TEST_F(SpellingTest, TheOwlGreetsAndWaitsForStart) {
  start(writeWordList("Week 3.txt", 5), 8);
  EXPECT_EQ(QStringList({"owl"}), owl().loaded);
  EXPECT_EQ(QStringList({"BalloonStyle 5", "MoveTo 815 200", "Show", "Play Greet", "Play RestPose",
                         "Speak Press Start!"}),
            owl().calls);
  EXPECT_EQ("Spelling     Week 3     Ms Hale     Ortiz, Ana", window().Caption());
  EXPECT_EQ("Press Start", window().answerBox->text());
  EXPECT_FALSE(window().enterButton->isEnabled());
  // Enter before Start judges nothing.
  QTest::keyClick(window().answerBox, Qt::Key_Return);
  EXPECT_EQ("Press Start", window().answerBox->text());
  // The test waits for a practice run.
  interaction->answerMessage(platform::vbOK);
  window().testButton->click();
  EXPECT_TRUE(window().practiceButton->isChecked());
  EXPECT_EQ("You must complete the practice test first.",
            interaction->prompts(PromptKind::MessageBox).back().text);
}

TEST_F(SpellingTest, TheOwlStandsClearOfTheSpellingControlsOnTheClassroomScreens) {
  characters->drawn = std::make_unique<testing_support::DrawnOwls>();
  for (const QSize size : {QSize(1024, 600), QSize(1440, 900), QSize(1920, 1080)}) {
    screen->width = size.width();
    screen->height = size.height();
    start(writeWordList("Week 3.txt", 5), 8);
    processEvents();
    SpellingWindow& spelling = window();
    const QRect owl = characters->drawn->last()->window().geometry();
    EXPECT_THAT(testing_support::controlsUnder(owl, spelling), testing::IsEmpty()) << size.height();
    EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(owl)) << size.height();
    spelling.Unload();
  }
}

TEST_F(SpellingTest, PracticeThenTestReachTheScoreFile) {
  start(writeWordList("Week 3.txt", 5), 8);
  window().sayButton->click();
  EXPECT_EQ("Say It!", window().sayButton->text());
  EXPECT_FALSE(window().testButton->isEnabled());
  EXPECT_EQ("word1", owl().spoken().back());
  EXPECT_EQ("word1", owl().balloonText());
  EXPECT_EQ("meaning1", window().definition1Box->text());
  EXPECT_TRUE(window().clearTimer->isActive());
  EXPECT_EQ(300, window().clearTimer->interval());

  // A wrong spelling: red panels, "Try again." for two seconds, and a longer wait next time.
  type("Word1");
  EXPECT_EQ("Try again.", window().answerBox->text());
  EXPECT_EQ(QStringList({"Greet", "RestPose", "Blink", "Confused", "RestPose"}), owl().played());
  EXPECT_EQ(QColor(Qt::red), window().signalPanels[0]->palette().color(QPalette::Window));
  EXPECT_EQ(2000, window().clearTimer->interval());
  window().onClearTimer();
  EXPECT_EQ("", window().answerBox->text());
  EXPECT_FALSE(window().clearTimer->isActive());
  window().sayButton->click();
  EXPECT_EQ(600, window().clearTimer->interval());
  EXPECT_EQ("word1", owl().spoken().back());

  // A right one stops the clearing, so "Correct!" stays and leads on.
  type("word1");
  EXPECT_FALSE(window().clearTimer->isActive());
  EXPECT_EQ("Next Word", window().enterButton->text());
  EXPECT_FALSE(window().sayButton->isEnabled());
  EXPECT_EQ("Play Congratulate_2", owl().calls[owl().calls.size() - 2]);
  type("Correct!");
  EXPECT_EQ("word2", owl().spoken().back());
  EXPECT_EQ(300, window().clearTimer->interval());
  spellAll(1);
  EXPECT_TRUE(owl().calls.contains("Play wave"));
  EXPECT_FALSE(owl().visible);
  EXPECT_EQ("Thanks for Completing Lexorama Spelling!",
            interaction->prompts(PromptKind::MessageBox).back().text);
  EXPECT_EQ(" P", lexorama.practice.SpellingMark);
  EXPECT_EQ(1, storedRecord("Week 3")->scores[kSpelling]);

  // The test: the balloon shows nothing while the word is said.
  setup().okButton->click();
  window().testButton->click();
  owl().calls.clear();
  window().sayButton->click();
  EXPECT_EQ(QStringList({"BalloonStyle 0", "Speak word1"}), owl().calls);
  EXPECT_EQ("", owl().balloonText());
  EXPECT_FALSE(window().practiceButton->isEnabled());
  type("wrd1");
  spellAll();
  EXPECT_EQ("83", lexorama.practice.SpellingMark);
  EXPECT_EQ(83, storedRecord("Week 3")->scores[kSpelling]);
  EXPECT_EQ(1, recordCount());
  // A later practice keeps the test's score.
  setup().okButton->click();
  window().sayButton->click();
  spellAll();
  EXPECT_EQ(83, storedRecord("Week 3")->scores[kSpelling]);
}

TEST_F(SpellingTest, TheWaitGrowsOnlyToItsCap) {
  start(writeWordList("Week 3.txt", 5), 8);
  window().sayButton->click();
  for (int i = 0; i < 200; ++i) type("nothing like it");
  window().sayButton->click();
  EXPECT_EQ(SpellingWindow::kMaxSayDelay, window().clearTimer->interval());
}

TEST_F(SpellingTest, RandomOrderSaysEveryWordOnceAndEnds) {
  random->values = numbers(23);
  const QString list = writeWordList("Week 3.txt", 6);
  open(list);
  choose(setup().teacherBox, "Ms Hale");
  choose(setup().studentBox, "Ortiz, Ana");
  setup().activityButtons[7]->click();
  setup().randomButton->setChecked(true);
  setup().okButton->click();
  window().sayButton->click();
  spellAll();
  QStringList words = owl().spoken().mid(1);
  words.sort();
  EXPECT_EQ(QStringList({"word1", "word2", "word3", "word4", "word5", "word6"}), words);
  EXPECT_EQ(1, storedRecord("Week 3")->scores[kSpelling]);
}

TEST_F(SpellingTest, WithoutSpeechTheStudentIsToldOnce) {
  owl().speechAvailable = false;
  start(writeWordList("Week 3.txt", 5), 8);
  interaction->answerMessage(platform::vbOK);
  window().sayButton->click();
  window().sayButton->click();
  const auto messages = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, messages.size());
  EXPECT_TRUE(messages.front().text.startsWith("The words cannot be heard"));
  EXPECT_EQ("word1", owl().balloonText());
}

TEST_F(SpellingTest, AScoreThatCannotBeSavedIsToldAndTheWindowCloses) {
  const QString list = writeFile("other/Week 3.txt", "a/1\r\nb/2\r\nc/3\r\nd/4\r\ne/5\r\n\r\n");
  writeFile("other/Resources/teachers.txt", "Ms Hale\r\n");
  writeFile("other/Resources/students.txt", "Ortiz, Ana\r\n");
  start(list, 8);
  QDir(testing_support::testRoot() + "/other/Resources/data.dat").mkpath(".");
  window().sayButton->click();
  interaction->answerMessage(platform::vbOK);  // the one about the score file, after the closing one
  spellAll();
  EXPECT_FALSE(lexorama.forms().isLoaded<SpellingWindow>());
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).back().text.startsWith(
      "Your score could not be recorded."));
}

TEST_F(SpellingTest, TheOwlWavesAndIsGoneBeforeTheThanks) {
  const QString list = writeWordList("Week 3.txt", 5);
  for (const bool closedWhileWaving : {true, false}) {
    start(list, 8);
    window().sayButton->click();
    for (int i = 1; i < 5; ++i) {
      type(owl().spoken().back());
      type(window().answerBox->text());
    }
    if (!closedWhileWaving) interaction->answerMessage(platform::vbOK);
    type(owl().spoken().back());
    EXPECT_EQ("Play wave", owl().calls.back());
    EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).empty());
    if (closedWhileWaving) {
      // The run is over all the same.
      window().Unload();
      processEvents();
      ASSERT_TRUE(storedRecord("Week 3"));
      EXPECT_EQ(1, storedRecord("Week 3")->scores[kSpelling]);
      continue;
    }
    processEvents();
    EXPECT_EQ("Hide", owl().calls.back());
    EXPECT_EQ("Thanks for Completing Lexorama Spelling!",
              interaction->prompts(PromptKind::MessageBox).back().text);
    EXPECT_FALSE(lexorama.forms().isLoaded<SpellingWindow>());
  }
}

TEST_F(SpellingTest, AListOpenedDuringTheRunLeavesItWithItsTestAndItsClassFolder) {
  start(writeWordList("Week 3.txt", 5), 8);
  window().sayButton->click();
  // Another class's list, opened and its names chosen while the words are asked.
  writeFile("other/Resources/teachers.txt", "Ms Hale\r\n");
  writeFile("other/Resources/students.txt", "Ortiz, Ana\r\n");
  open(writeFile("other/Week 9.txt", "a/1\r\nb/2\r\nc/3\r\nd/4\r\ne/5\r\n\r\n"));
  choose(setup().teacherBox, "Ms Hale");
  choose(setup().studentBox, "Ortiz, Ana");
  EXPECT_EQ("Spelling     Week 3     Ms Hale     Ortiz, Ana", window().Caption());
  spellAll();
  EXPECT_EQ(QStringList({"Press Start!", "word1", "word2", "word3", "word4", "word5"}),
            owl().spoken());
  EXPECT_EQ(1, storedRecord("Week 3")->scores[kSpelling]);
  EXPECT_FALSE(QFile::exists(testing_support::testRoot() + "/other/Resources/data.dat"));
  EXPECT_EQ(" ?", lexorama.practice.SpellingMark);
}

}  // namespace
