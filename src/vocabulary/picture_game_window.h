#pragma once

#include <QLabel>
#include <QPixmap>
#include <array>

#include "platform/windows/form.h"
#include "vocabulary/activity_support.h"

namespace vocabulary {

// The picture matching game: a board of sixteen answer boxes covers a picture; each right choice
// uncovers the picture where its boxes were. A word with definitions on the board, or a
// definition with words on the board. A click on the uncovered picture ends the game.
class PictureGameWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit PictureGameWindow(Lexorama& program);

  static constexpr int kBoardSize = 16;

  QLabel* clueBox;
  ChoiceBox* pictureBox;
  // Row by row, left to right.
  std::array<ChoiceBox*, kBoardSize> boardBoxes;
  PercentBar scoreBar;

  void onBoxClicked(int box);
  void onPictureClicked();

 protected:
  void load() override;

 private:
  QString PicsFolder() const;
  void loadPicture();
  QStringList boardEntries();
  void fillBoard(const QStringList& entries);
  void NextQuestion();
  bool answerOnBoard() const;
  void CorrectChoice();
  void WrongChoice();
  void HideMatchedBoxes();
  void ShowScore();
  void finish();

  Lexorama& lexorama_;
  PracticeState& practice_;
  QList<WordListItem> items_;
  RunChoice run_;
  // A marked row is on the board and still to be asked.
  RowDraws draws_;
  int currentItem_ = -1;
  QStringList accepted_;
  int correctCount_ = 0;
  int tryCount_ = 0;
  bool finished_ = false;
};

}  // namespace vocabulary
