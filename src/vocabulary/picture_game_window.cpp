#include "vocabulary/picture_game_window.h"

#include <QDir>
#include <QGridLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/windows/picture.h"

namespace vocabulary {
namespace {

const QString kCaption = QStringLiteral("Matching Game");
constexpr int kDefinitionWordButton = 5;
constexpr int kBoardColumns = 4;
constexpr int kBoardMinimumWidth = 705;
constexpr int kBoardMinimumHeight = 300;
// Boards of fewer than sixteen items repeat entries in their empty boxes: box, entry.
constexpr std::array<std::pair<int, int>, 11> kRepeats{{
    {5, 1}, {6, 2}, {7, 3}, {8, 4}, {9, 5}, {10, 1}, {11, 2}, {12, 3}, {13, 4}, {14, 5}, {15, 0}}};

}  // namespace

PictureGameWindow::PictureGameWindow(Lexorama& program)
    : ActivityWindow(program, QStringLiteral("PictureGameWindow"), kCaption) {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  clueBox = AddQuestionBox(*column, central, "clueBox");

  auto* board = new QWidget(central);
  // The board takes the room the main window's work area leaves it, down to this.
  board->setMinimumSize(kBoardMinimumWidth, kBoardMinimumHeight);
  auto* grid = new QGridLayout(board);
  grid->setSpacing(0);
  grid->setContentsMargins(0, 0, 0, 0);
  pictureBox = platform::named(new ChoiceBox(board), "pictureBox");
  pictureBox->setScaledContents(true);
  pictureBox->setAccessibleName(QStringLiteral("Picture"));
  grid->addWidget(pictureBox, 0, 0, kBoardSize / kBoardColumns, kBoardColumns);
  for (int i = 0; i < kBoardSize; ++i) {
    boardBoxes[i] = platform::named(new ChoiceBox(board), QStringLiteral("boardBoxes[%1]").arg(i));
    boardBoxes[i]->setFrameShadow(QFrame::Raised);
    boardBoxes[i]->setBackgroundRole(QPalette::Button);
    grid->addWidget(boardBoxes[i], i / kBoardColumns, i % kBoardColumns);
    on(boardBoxes[i], &ChoiceBox::clicked, [this, i] { onBoxClicked(i); });
  }
  column->addWidget(board, 1);
  AddPercentBars(*column, {&scoreBar});
  setCentralWidget(central);
  on(pictureBox, &ChoiceBox::clicked, [this] { onPictureClicked(); });
  AdoptActivity(program, *this, 11900, 8600);
}

void PictureGameWindow::load() {
  beginRun(kDefinitionWordButton);
  loadPicture();
  fillBoard(boardEntries());
  NextQuestion();
  ShowPracticeNames();
}

QString PictureGameWindow::PicsFolder() const {
  return list_.dataFolder + QStringLiteral("Resources/Pics");
}

void PictureGameWindow::loadPicture() {
  const QStringList files = QDir(PicsFolder()).entryList(QDir::Files, QDir::Name);
  const int chosen = draws_.below(static_cast<int>(files.size()));
  if (chosen >= files.size()) return;
  // A file that is no picture leaves the picture area empty. The box never grows past the
  // screen, so a camera's photo is read no larger than that.
  const QPixmap picture = platform::PictureToFit(PicsFolder() + QLatin1Char('/') + files[chosen],
                                                 pictureBox->screen()->availableSize());
  if (!picture.isNull()) pictureBox->setPixmap(picture);
}

QStringList PictureGameWindow::boardEntries() {
  QStringList entries;
  const int count = std::min<int>(static_cast<int>(list_.items.size()), kBoardSize);
  for (int turn = 0; turn < count; ++turn) {
    const WordListItem& item = list_.items[draws_.free()];
    if (run_.definitionFirst) {
      entries << item.word;
    } else if (item.definition2.isEmpty()) {
      entries << item.definition1;
    } else {
      entries << ItemColumn(item, draws_.definitionColumn());
    }
  }
  return entries;
}

void PictureGameWindow::fillBoard(const QStringList& entries) {
  for (int i = 0; i < kBoardSize; ++i) boardBoxes[i]->setText(entries.value(i));
  for (const auto& [box, entry] : kRepeats) {
    if (boardBoxes[box]->text().isEmpty()) boardBoxes[box]->setText(entries.value(entry));
  }
}

void PictureGameWindow::NextQuestion() {
  // An item whose answers are no longer on the board (another item with the same text took
  // them) or are empty cannot be answered: it is passed over, so the game can always end.
  for (;;) {
    currentItem_ = draws_.until([this](int row) { return draws_.marked(row); });
    if (currentItem_ < 0) {
      finish();
      return;
    }
    draws_.mark(currentItem_, false);
    const WordListItem& item = list_.items[currentItem_];
    if (run_.definitionFirst) {
      const int column = draws_.definitionColumn();
      clueBox->setText(item.definition2.isEmpty() ? item.definition1 : ItemColumn(item, column));
      accepted_ = {item.word};
    } else {
      clueBox->setText(item.word);
      accepted_ = {item.definition1, item.definition2};
    }
    accepted_.removeAll(QString());
    if (answerOnBoard()) return;
  }
}

bool PictureGameWindow::answerOnBoard() const {
  for (const ChoiceBox* box : boardBoxes) {
    if (!box->isHidden() && accepted_.contains(box->text())) return true;
  }
  return false;
}

void PictureGameWindow::onBoxClicked(int box) {
  if (!finished_ && accepted_.contains(boardBoxes[box]->text())) {
    CorrectChoice();
  } else {
    WrongChoice();
  }
}

void PictureGameWindow::CorrectChoice() {
  HideMatchedBoxes();
  ++correctCount_;
  ++tryCount_;
  ShowScore();
  NextQuestion();
}

void PictureGameWindow::HideMatchedBoxes() {
  for (ChoiceBox* box : boardBoxes) {
    if (accepted_.contains(box->text())) box->hide();
  }
  accepted_.clear();
}

void PictureGameWindow::WrongChoice() {
  ++tryCount_;
  ShowScore();
  lexorama_.MsgBox(QStringLiteral("Try Again."), platform::vbCritical, QStringLiteral("Oops."));
}

void PictureGameWindow::ShowScore() { scoreBar.set(Percent(correctCount_, tryCount_)); }

void PictureGameWindow::finish() {
  finished_ = true;
  accepted_.clear();
  const int score = RoundedScore(scoreBar.value());
  if (run_.definitionFirst) {
    clueBox->setText(QStringLiteral("Picture Score - Definition/Words = ") + QString::number(score));
  } else {
    clueBox->setText(QStringLiteral("Picture Score - Word/Definitions = ") + QString::number(score));
  }
  RecordActivityScore(lexorama_, list_,
                      run_.definitionFirst ? PictureGameByDefinition : PictureGameByWord, score);
}

void PictureGameWindow::onPictureClicked() {
  if (!finished_) return;
  lexorama_.MsgBox(QStringLiteral("Thank you for using Lexorama - Picture Matching Game!"),
                   platform::vbOKOnly, QStringLiteral("Lexorama - Picture Matching Game"));
  ReturnToSetup(lexorama_, *this);
}

}  // namespace vocabulary
