#include <QImage>
#include <gtest/gtest.h>

#include "activity_fixture.h"
#include "vocabulary/picture_game_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::ActivityTest;

class PictureGameTest : public ActivityTest {
 protected:
  PictureGameWindow& window() { return lexorama.forms().get<PictureGameWindow>(); }
  QStringList board() {
    QStringList texts;
    for (ChoiceBox* box : window().boardBoxes) texts << box->text();
    return texts;
  }
  int visibleBoxWith(const QString& text) {
    for (int i = 0; i < PictureGameWindow::kBoardSize; ++i) {
      if (!window().boardBoxes[i]->isHidden() && window().boardBoxes[i]->text() == text) return i;
    }
    return -1;
  }
  // Answers every clue right; returns the clues.
  QStringList answerAll(const std::function<QString(const QString&)>& answerOf) {
    QStringList asked;
    while (!window().clueBox->text().contains("Score") && asked.size() < 40) {
      asked << window().clueBox->text();
      const int box = visibleBoxWith(answerOf(asked.back()));
      if (box < 0) {
        ADD_FAILURE() << "no box for " << asked.back().toStdString();
        break;
      }
      click(window().boardBoxes[box]);
    }
    return asked;
  }
  static QString meaningOf(const QString& word) { return QString(word).replace("word", "meaning"); }
};

TEST_F(PictureGameTest, EightItemsFillTheBoardWithRepeatsThatGoTogether) {
  random->values = numbers(31);
  start(writeWordList("Week 3.txt", 8), 5);
  EXPECT_EQ("Matching Game     Week 3     Ms Hale     Ortiz, Ana", window().Caption());
  const QStringList texts = board();
  const QStringList entries = texts.mid(0, 8);
  QStringList sorted = entries;
  sorted.sort();
  EXPECT_EQ(8, QSet<QString>(sorted.begin(), sorted.end()).size());
  const int repeats[8] = {4, 5, 1, 2, 3, 4, 5, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(entries[repeats[i]], texts[8 + i]) << i;
  const QStringList asked = answerAll(meaningOf);
  EXPECT_EQ(8, asked.size());
  for (ChoiceBox* box : window().boardBoxes) EXPECT_TRUE(box->isHidden());
  EXPECT_EQ("Picture Score - Word/Definitions = 100", window().clueBox->text());
  EXPECT_EQ("100%", window().scoreBar.percentLabel->text());
  EXPECT_EQ(100, storedRecord("Week 3")->scores[kPicture1]);
  // The uncovered picture closes the game.
  interaction->answerMessage(platform::vbOK);
  click(window().pictureBox);
  processEvents();
  EXPECT_FALSE(lexorama.forms().isLoaded<PictureGameWindow>());
  const auto last = interaction->prompts(testing_support::PromptKind::MessageBox).back();
  EXPECT_EQ("Thank you for using Lexorama - Picture Matching Game!", last.text);
  EXPECT_EQ("Lexorama - Picture Matching Game", last.title);
}

TEST_F(PictureGameTest, FiveItemsLeaveTwoEmptyBoxesThatCountAsWrong) {
  random->values = numbers(2);
  start(writeWordList("Week 3.txt", 5), 6);
  const QStringList texts = board();
  EXPECT_TRUE(texts[9].isEmpty());
  EXPECT_TRUE(texts[14].isEmpty());
  EXPECT_EQ(2, texts.count(QString()));
  // A click on the picture before the end does nothing.
  click(window().pictureBox);
  EXPECT_TRUE(lexorama.forms().isLoaded<PictureGameWindow>());
  interaction->answerMessage(platform::vbOK);
  click(window().boardBoxes[9]);
  EXPECT_EQ("0%", window().scoreBar.percentLabel->text());
  answerAll([](const QString& meaning) { return QString(meaning).replace("meaning", "word"); });
  EXPECT_EQ("83%", window().scoreBar.percentLabel->text());
  EXPECT_EQ(83, storedRecord("Week 3")->scores[kPicture2]);
  EXPECT_FALSE(window().boardBoxes[14]->isHidden());
}

TEST_F(PictureGameTest, TwentyItemsPutSixteenOnTheBoardAndAskOnlyThose) {
  random->values = numbers(13);
  start(writeWordList("Week 3.txt", 20), 5);
  const QStringList texts = board();
  EXPECT_EQ(16, QSet<QString>(texts.begin(), texts.end()).size());
  const QStringList asked = answerAll(meaningOf);
  EXPECT_EQ(16, asked.size());
  for (const QString& word : asked) EXPECT_TRUE(texts.contains(meaningOf(word)));
  EXPECT_EQ(100, lexorama.practice.Scores[PictureGameByWord]);
}

TEST_F(PictureGameTest, AClueWhoseAnswerWentWithAnotherItemIsPassedOver) {
  random->values = numbers(17);
  const QString list = writeFile("class/Same.txt",
                                 "big/large\r\nhuge/large\r\nsmall/little\r\nfast/quick\r\n"
                                 "old/aged\r\nnew/\r\n\r\n");
  start(list, 5);
  const QHash<QString, QString> meanings{{"big", "large"},  {"huge", "large"}, {"small", "little"},
                                         {"fast", "quick"}, {"old", "aged"}, {"new", ""}};
  const QStringList asked = answerAll([&](const QString& word) { return meanings[word]; });
  EXPECT_TRUE(window().clueBox->text().startsWith("Picture Score - Word/Definitions = "));
  EXPECT_EQ(4, asked.size());
}

TEST_F(PictureGameTest, APictureFromThePicsFolderLiesUnderTheBoard) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QDir().mkpath(classFolder() + "Resources/Pics");
  ASSERT_TRUE(image.save(classFolder() + "Resources/Pics/sky.png"));
  writeFile("class/Resources/Pics/notes.txt", "not a picture");
  random->values = {0.9};
  start(writeWordList("Week 3.txt", 5), 5);
  EXPECT_FALSE(window().pictureBox->pixmap().isNull());
  window().Unload();
  processEvents();
  // The first file is no picture: the area stays empty and the game goes on.
  *random = testing_support::ScriptedRandom();
  random->values = {0.2};
  setup().okButton->click();
  EXPECT_TRUE(window().pictureBox->pixmap().isNull());
  EXPECT_FALSE(window().clueBox->text().isEmpty());
}

}  // namespace
