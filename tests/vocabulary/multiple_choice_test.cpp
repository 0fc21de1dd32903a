#include <gtest/gtest.h>

#include "activity_fixture.h"
#include "vocabulary/activity_support.h"
#include "vocabulary/multiple_choice_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::ActivityTest;

TEST(ScoreArithmetic, LabelsCutAndScoresRoundHalfToEven) {
  EXPECT_EQ("66%", PercentText(Percent(2, 3)));
  EXPECT_EQ(67, RoundedScore(Percent(2, 3)));
  EXPECT_EQ("62%", PercentText(Percent(5, 8)));
  EXPECT_EQ(62, RoundedScore(Percent(5, 8)));
  EXPECT_EQ(58, RoundedScore(Percent(23, 40)));
  EXPECT_EQ("100%", PercentText(Percent(5, 5)));
  EXPECT_EQ("5%", PercentText(Percent(1, 18)));
  EXPECT_EQ("0%", PercentText(Percent(0, 1)));
  EXPECT_EQ(25, RoundedScore(Percent(1, 4)));
}

class MultipleChoiceTest : public ActivityTest {
 protected:
  MultipleChoiceWindow& window() { return lexorama.forms().get<MultipleChoiceWindow>(); }
  int boxWith(const QString& text) {
    for (int i = 0; i < 4; ++i) {
      if (window().answerBoxes[i]->text() == text) return i;
    }
    return -1;
  }
  int wrongBox(const QString& right) {
    for (int i = 0; i < 4; ++i) {
      if (window().answerBoxes[i]->text() != right) return i;
    }
    return -1;
  }
  // Answers every question right at once, noting the questions, and returns them.
  QStringList answerAll(const std::function<QString(const QString&)>& answerOf) {
    QStringList asked;
    while (lexorama.forms().isLoaded<MultipleChoiceWindow>()) {
      const QString question = window().questionBox->text();
      asked << question;
      const int box = boxWith(answerOf(question));
      if (box < 0) {
        ADD_FAILURE() << "no box holds the answer to " << question.toStdString();
        break;
      }
      if (asked.size() == lexorama.practice.ItemCount()) interaction->answerMessage(platform::vbOK);
      click(window().answerBoxes[box]);
      processEvents();
    }
    return asked;
  }
  static QString meaningOf(const QString& word) { return QString(word).replace("word", "meaning"); }
  static QString wordOf(const QString& meaning) { return QString(meaning).replace("meaning", "word"); }
};

TEST_F(MultipleChoiceTest, SequentialWordsAskEveryItemInOrderWithFourDifferentAnswers) {
  random->values = numbers(7);
  start(writeWordList("Week 3.txt", 5), 1, true);
  EXPECT_EQ("MultipleChoice     Week 3     Ms Hale     Ortiz, Ana", window().Caption());
  QStringList answers;
  for (ChoiceBox* box : window().answerBoxes) answers << box->text();
  answers.removeDuplicates();
  EXPECT_EQ(4, answers.size());
  EXPECT_TRUE(answers.contains("meaning1"));
  const QStringList asked = answerAll(meaningOf);
  EXPECT_EQ(QStringList({"word1", "word2", "word3", "word4", "word5"}), asked);
  EXPECT_EQ(100, lexorama.practice.Scores[MultipleChoiceByWord]);
  ASSERT_TRUE(storedRecord("Week 3"));
  EXPECT_EQ(100, storedRecord("Week 3")->scores[kMChoice1]);
  const auto messages = interaction->prompts(testing_support::PromptKind::MessageBox);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ("Thank you for using Lexorama - MultipleChoice!", messages.back().text);
  EXPECT_EQ("Lexorama - MultipleChoice", messages.back().title);
}

TEST_F(MultipleChoiceTest, RandomDefinitionsAskEachItemOnceAndReplayTheSameOrder) {
  const QString list = writeWordList("Week 3.txt", 6);
  random->values = numbers(11);
  start(list, 2);
  const QStringList first = answerAll(wordOf);
  EXPECT_EQ(6, first.size());
  QStringList sorted = first;
  sorted.sort();
  EXPECT_EQ(QStringList({"meaning1", "meaning2", "meaning3", "meaning4", "meaning5", "meaning6"}),
            sorted);
  EXPECT_EQ(100, storedRecord("Week 3")->scores[kMChoice2]);

  *random = testing_support::ScriptedRandom();
  random->values = numbers(11);
  setup().okButton->click();
  EXPECT_EQ(first, answerAll(wordOf));
  EXPECT_EQ(1, recordCount());
}

TEST_F(MultipleChoiceTest, WrongClicksLowerTheScoreAndTheBestScoreIsKept) {
  random->values = numbers(3);
  start(writeWordList("Week 3.txt", 5), 1, true);
  // Three wrong clicks on the first word, then every answer right: 5 of 8.
  for (int i = 0; i < 3; ++i) {
    interaction->answerMessage(platform::vbOK);
    click(window().answerBoxes[wrongBox("meaning1")]);
  }
  const auto oops = interaction->prompts(testing_support::PromptKind::MessageBox).back();
  EXPECT_EQ("Try Again.", oops.text);
  EXPECT_EQ("Oops.", oops.title);
  EXPECT_EQ(platform::vbCritical, oops.style);
  EXPECT_EQ("0%", window().scoreBar.percentLabel->text());
  EXPECT_EQ("word1", window().questionBox->text());
  answerAll(meaningOf);
  EXPECT_EQ(62, storedRecord("Week 3")->scores[kMChoice1]);
  // A perfect run later raises the stored best; a worse one leaves it.
  setup().okButton->click();
  answerAll(meaningOf);
  EXPECT_EQ(100, storedRecord("Week 3")->scores[kMChoice1]);
  EXPECT_EQ(1, recordCount());
}

TEST_F(MultipleChoiceTest, SequentialDefinitionsAndRandomTwoDefinitionWords) {
  random->values = numbers(19);
  const QString list = writeFile("class/Pairs.txt",
                                 "cat/pet/feline\r\ndog/hound/canine\r\nowl/bird\r\n"
                                 "ant/insect/bug\r\nelm/tree/shade tree\r\n\r\n");
  start(list, 2, true);
  const QHash<QString, QString> words{{"pet", "cat"},     {"feline", "cat"}, {"hound", "dog"},
                                      {"canine", "dog"},  {"bird", "owl"},   {"insect", "ant"},
                                      {"bug", "ant"},     {"tree", "elm"},   {"shade tree", "elm"}};
  QStringList asked = answerAll([&](const QString& definition) { return words[definition]; });
  for (QString& definition : asked) definition = words[definition];
  EXPECT_EQ(QStringList({"cat", "dog", "owl", "ant", "elm"}), asked);
  EXPECT_EQ(100, storedRecord("Pairs")->scores[kMChoice2]);

  // Word to definitions in random order: either definition of an item may be the right one.
  setup().activityButtons[0]->click();
  setup().randomButton->click();
  setup().okButton->click();
  const QStringList randomAsked = answerAll([&](const QString& word) {
    for (int i = 0; i < 4; ++i) {
      const QString text = window().answerBoxes[i]->text();
      if (words.value(text) == word) return text;
    }
    return QString();
  });
  EXPECT_EQ(5, randomAsked.size());
  EXPECT_EQ(100, storedRecord("Pairs")->scores[kMChoice1]);
}

TEST_F(MultipleChoiceTest, ChangingTheSetupDuringARunChangesNothing) {
  random->values = numbers(5);
  start(writeWordList("Week 3.txt", 5), 1, true);
  setup().activityButtons[1]->click();
  setup().randomButton->click();
  EXPECT_EQ(QStringList({"word1", "word2", "word3", "word4", "word5"}), answerAll(meaningOf));
  EXPECT_EQ(100, lexorama.practice.Scores[MultipleChoiceByWord]);
  EXPECT_EQ(0, lexorama.practice.Scores[MultipleChoiceByDefinition]);
}

TEST_F(MultipleChoiceTest, AStuckGeneratorStillGivesFourAnswers) {
  random->values = {0.0};
  start(writeWordList("Week 3.txt", 5), 1);
  QStringList answers;
  for (ChoiceBox* box : window().answerBoxes) answers << box->text();
  answers.removeDuplicates();
  EXPECT_EQ(4, answers.size());
  EXPECT_EQ(5, answerAll(meaningOf).size());
}

TEST_F(MultipleChoiceTest, AScoreFileThatCannotBeWrittenIsToldAndTheActivityCloses) {
  const QString list = writeFile("other/Week 3.txt", "a/1\r\nb/2\r\nc/3\r\nd/4\r\ne/5\r\n\r\n");
  writeFile("other/Resources/teachers.txt", "Ms Hale\r\n");
  writeFile("other/Resources/students.txt", "Ortiz, Ana\r\n");
  const QString scoreFile = testing_support::testRoot() + "/other/Resources/data.dat";
  struct Case {
    std::function<void()> spoil;
    QString told;  // after the score file's name
  } cases[] = {
      // Read-only for its owner, root included.
      {[&] {
         writeFile("other/Resources/data.dat", "");
         QFile::setPermissions(scoreFile, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
       },
       " is read-only, so no score can be written to it. A teacher must allow changes to it first."},
      {[&] {
         QFile::remove(scoreFile);
         QDir(scoreFile).mkpath(".");
       },
       " cannot be opened, as a folder has its name. A teacher must move that folder away first."},
  };
  for (const Case& c : cases) {
    random->values = numbers(9);
    start(list, 1, true);
    c.spoil();
    // The closing message, then the one about the score file.
    interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK);
    for (int i = 1; i <= 5; ++i) click(window().answerBoxes[boxWith(QString::number(i))]);
    processEvents();
    EXPECT_FALSE(lexorama.forms().isLoaded<MultipleChoiceWindow>());
    EXPECT_TRUE(setup().isVisible());
    EXPECT_EQ("Your score could not be recorded.\r\nThe score file " + scoreFile + c.told,
              messages().back().text);
  }
}

TEST_F(MultipleChoiceTest, AListOpenedDuringARunLeavesItsScoreUnderTheListItAsked) {
  start(writeWordList("Week 3.txt", 5), 1, true);
  const vocabulary::ScoreRecord week9{"Week 9", "Ms Hale", "Ortiz, Ana", {0, 40, 0, 0, 0, 0, 0, 0}};
  writeFile("class/Resources/data.dat", EncodeScoreRecord(week9));
  open(writeWordList("Week 9.txt", 5));
  choose(setup().teacherBox, "Ms Hale");
  choose(setup().studentBox, "Ortiz, Ana");
  EXPECT_EQ("MultipleChoice     Week 3     Ms Hale     Ortiz, Ana", window().Caption());
  answerAll(meaningOf);
  EXPECT_EQ((std::array<std::int16_t, 8>{100, 0, 0, 0, 0, 0, 0, 0}), storedRecord("Week 3")->scores);
  EXPECT_EQ(week9.scores, storedRecord("Week 9")->scores);
  // The practice holds the scores of the list now open.
  EXPECT_EQ((PracticeScores{0, 40, 0, 0, 0, 0}), lexorama.practice.Scores);
}

TEST_F(MultipleChoiceTest, OtherActivityNumbersShowTheSetupWindow) {
  lexorama.practice.ActivityNumber = 0;
  ShowActivity(lexorama);
  EXPECT_FALSE(lexorama.forms().isLoaded<MultipleChoiceWindow>());
  EXPECT_TRUE(lexorama.forms().isLoaded<PracticeSetupWindow>());
}

}  // namespace
