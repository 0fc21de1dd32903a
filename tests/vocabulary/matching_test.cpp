#include <gtest/gtest.h>

#include "activity_fixture.h"
#include "vocabulary/matching_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::ActivityTest;

class MatchingTest : public ActivityTest {
 protected:
  MatchingWindow& window() { return lexorama.forms().get<MatchingWindow>(); }
  QStringList entries() {
    QStringList texts;
    for (int i = 0; i < window().answerList->count(); ++i) texts << window().answerList->item(i)->text();
    return texts;
  }
  // Chooses the entry with this text by a double-click.
  void choose(const QString& text) {
    const auto found = window().answerList->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    window().answerList->setCurrentItem(found.front());
    emit window().answerList->itemDoubleClicked(found.front());
  }
  // Answers the remaining questions right, the last of which ends the run.
  QStringList answerAll(const std::function<QString(const QString&)>& answerOf, int remaining = 0) {
    if (remaining == 0) remaining = lexorama.practice.ItemCount();
    QStringList asked;
    while (lexorama.forms().isLoaded<MatchingWindow>() && asked.size() < 50) {
      asked << window().questionBox->text();
      if (asked.size() == remaining) interaction->answerMessage(platform::vbOK);
      choose(answerOf(asked.back()));
      processEvents();
    }
    return asked;
  }
};

QString meaningOf(const QString& word) { return QString(word).replace("word", "meaning"); }

TEST_F(MatchingTest, EveryWordIsAskedOnceAgainstTheWholeList) {
  random->values = numbers(21);
  start(writeWordList("Week 3.txt", 7), 3);
  EXPECT_EQ("Matching     Week 3     Ms Hale     Ortiz, Ana", window().Caption());
  QStringList sorted = entries();
  sorted.sort();
  EXPECT_EQ(7, sorted.size());
  EXPECT_EQ("meaning1", sorted.front());
  EXPECT_EQ(0, window().answerList->currentRow());
  QStringList asked = answerAll(meaningOf);
  asked.sort();
  EXPECT_EQ(QStringList({"word1", "word2", "word3", "word4", "word5", "word6", "word7"}), asked);
  EXPECT_EQ(100, storedRecord("Week 3")->scores[kMatching1]);
  const auto last = interaction->prompts(testing_support::PromptKind::MessageBox).back();
  EXPECT_EQ("Thank you for using Lexorama - Matching!", last.text);
  EXPECT_EQ("Lexorama - Matching", last.title);
}

TEST_F(MatchingTest, EnterChoosesAndWrongChoicesCount) {
  random->values = numbers(4);
  start(writeWordList("Week 3.txt", 5), 4);
  // Three wrong choices by Enter, then every answer right: 5 of 8 is 62.5, stored as 62.
  for (int i = 0; i < 3; ++i) {
    const QString question = window().questionBox->text();
    const QString right = QString(question).replace("meaning", "word");
    const int wrongRow = entries().indexOf(right) == 0 ? 1 : 0;
    window().answerList->setCurrentRow(wrongRow);
    interaction->answerMessage(platform::vbOK);
    QTest::keyClick(window().answerList, Qt::Key_Return);
  }
  EXPECT_EQ("0%", window().scoreBar.percentLabel->text());
  EXPECT_EQ("0%", window().progressBar.percentLabel->text());
  const QString question = window().questionBox->text();
  const QString right = QString(question).replace("meaning", "word");
  window().answerList->setCurrentRow(static_cast<int>(entries().indexOf(right)));
  QTest::keyClick(window().answerList, Qt::Key_Return);
  EXPECT_EQ("25%", window().scoreBar.percentLabel->text());
  EXPECT_EQ("20%", window().progressBar.percentLabel->text());
  answerAll([](const QString& meaning) { return QString(meaning).replace("meaning", "word"); }, 4);
  EXPECT_EQ(62, lexorama.practice.Scores[MatchingByDefinition]);
  EXPECT_EQ(62, storedRecord("Week 3")->scores[kMatching2]);
}

TEST_F(MatchingTest, EitherDefinitionOfATwoDefinitionItemCounts) {
  random->values = numbers(8);
  const QString list = writeFile("class/Pairs.txt",
                                 "cat/pet/feline\r\ndog/hound/canine\r\nowl/bird/night bird\r\n"
                                 "ant/insect/bug\r\nelm/tree/shade tree\r\n\r\n");
  start(list, 3);
  const QHash<QString, QStringList> definitions{{"cat", {"pet", "feline"}},
                                                {"dog", {"hound", "canine"}},
                                                {"owl", {"bird", "night bird"}},
                                                {"ant", {"insect", "bug"}},
                                                {"elm", {"tree", "shade tree"}}};
  const QStringList shown = entries();
  const QStringList asked = answerAll([&](const QString& word) {
    for (const QString& definition : definitions[word]) {
      if (shown.contains(definition)) return definition;
    }
    return QString();
  });
  EXPECT_EQ(5, asked.size());
  EXPECT_EQ(100, storedRecord("Pairs")->scores[kMatching1]);
}

}  // namespace
