#pragma once

#include <QLabel>
#include <QPixmap>
#include <array>

#include "vocabulary/activity_window.h"

namespace vocabulary {

// The picture matching game: a board of sixteen answer boxes covers a picture; each right choice
// uncovers the picture where its boxes were. A word with definitions on the board, or a
// definition with words on the board. A click on the uncovered picture ends the game.
class PictureGameWindow : public ActivityWindow {
 public:
  explicit PictureGameWindow(Lexorama& program);

  static constexpr int kBoardSize = 16;

  QLabel* clueBox;
  ChoiceBox* pictureBox;
  // Row by row, left to right.
  std::array<ChoiceBox*, kBoardSize> boardBoxes;

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

  // A marked row of draws_ is on the board and still to be asked.
  QStringList accepted_;
  bool finished_ = false;
};

}  // namespace vocabulary
