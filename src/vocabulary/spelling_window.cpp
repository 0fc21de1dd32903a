#include "vocabulary/spelling_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "vocabulary/main_window.h"

namespace vocabulary {
namespace {

const QString kCaption = QStringLiteral("Spelling");
const QString kStart = QStringLiteral("Start");
const QString kSayIt = QStringLiteral("Say It!");
const QString kEnter = QStringLiteral("Enter");
const QString kNextWord = QStringLiteral("Next Word");
constexpr int kFirstSayDelay = 300;
constexpr int kSayDelayStep = 300;
constexpr int kTryAgainShown = 2000;

// Where the character stands for the screen heights the classroom screens have.
struct CharacterPlace {
  int screenHeight;
  int x;
  int y;
};
constexpr std::array<CharacterPlace, 5> kCharacterPlaces{{
    {600, 575, 105}, {768, 815, 200}, {864, 750, 250}, {1024, 815, 337}, {1200, 980, 417}}};
constexpr int kSmallScreen = 600;
constexpr int kOtherMainHeight = 8745;
constexpr int kOtherMainWidth = 12100;

}  // namespace

SpellingWindow::SpellingWindow(Lexorama& program)
    : ActivityWindow(program, QStringLiteral("SpellingWindow"), kCaption),
      progressBar(QStringLiteral("Progress"), QStringLiteral("progress"), this) {
  createControls();
  on(testButton, &QRadioButton::clicked, [this] { onTestChosen(); });
  on(sayButton, &QPushButton::clicked, [this] { onSayClicked(); });
  on(enterButton, &QPushButton::clicked, [this] { onEnterClicked(); });
  // Enter in the answer box is the Enter button, as long as it may be pressed.
  on(answerBox, &QLineEdit::returnPressed, [this] { enterButton->click(); });
  on(clearTimer, &QTimer::timeout, [this] { onClearTimer(); });
  AdoptActivity(program, *this, 9000, 6300);
}

SpellingWindow::~SpellingWindow() = default;

void SpellingWindow::createControls() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  auto* modes = new QHBoxLayout();
  practiceButton = platform::named(new QRadioButton(QStringLiteral("Spelling Practice"), central),
                                   "practiceButton");
  testButton =
      platform::named(new QRadioButton(QStringLiteral("Spelling Test"), central), "testButton");
  modes->addWidget(practiceButton);
  modes->addWidget(testButton);
  column->addLayout(modes);
  answerBox = platform::named(new QLineEdit(central), "answerBox");
  answerBox->setAlignment(Qt::AlignCenter);
  answerBox->setAccessibleName(QStringLiteral("Spelling"));
  QFont large = answerBox->font();
  large.setPointSize(16);
  answerBox->setFont(large);
  column->addWidget(answerBox);
  for (QLabel** box : {&definition1Box, &definition2Box}) {
    *box = new QLabel(central);
    (*box)->setWordWrap(true);
    (*box)->setFrameShape(QFrame::Panel);
    (*box)->setFrameShadow(QFrame::Sunken);
    (*box)->setMinimumHeight(40);
    column->addWidget(*box);
  }
  definition1Box->setObjectName(QStringLiteral("definition1Box"));
  definition2Box->setObjectName(QStringLiteral("definition2Box"));
  auto* panels = new QHBoxLayout();
  for (int i = 0; i < 3; ++i) {
    signalPanels[i] = platform::named(new QFrame(central), QStringLiteral("signalPanels[%1]").arg(i));
    signalPanels[i]->setFixedSize(40, 16);
    signalPanels[i]->setFrameShape(QFrame::Panel);
    signalPanels[i]->setAutoFillBackground(true);
    panels->addWidget(signalPanels[i]);
  }
  panels->addStretch();
  sayButton = platform::named(new QPushButton(kStart, central), "sayButton");
  enterButton = platform::named(new QPushButton(kEnter, central), "enterButton");
  panels->addWidget(sayButton);
  panels->addWidget(enterButton);
  column->addLayout(panels);
  AddPercentBars(*column, {&scoreBar, &progressBar});
  setCentralWidget(central);
  clearTimer = new QTimer(this);
  clearTimer->setObjectName(QStringLiteral("clearTimer"));
}

void SpellingWindow::load() {
  beginRun(0);
  listSpellingMark_ = practice_.SpellingMark;
  character_ = lexorama_.runtime().createCharacter();
  if (!character_->load(platform::SpeakingCharacter::kOwl)) character_.reset();
  if (character_) {
    QObject::connect(character_.get(), &platform::SpeakingCharacter::speechUnavailable, this,
                     [this] { dispatch([this] { tellSpeechUnavailable(); }); });
    // Queued, so that the farewell runs once the request's number is known and the character
    // is done with its own call.
    QObject::connect(
        character_.get(), &platform::SpeakingCharacter::requestCompleted, this,
        [this](int request) { dispatch([this, request] { onCharacterDone(request); }); },
        Qt::QueuedConnection);
    character_->SetBalloonStyle(platform::SpeakingCharacter::kTextBalloon);
  }
  placeCharacter();
  if (character_) {
    character_->Show();
    play(QStringLiteral("Greet"));
    play(QStringLiteral("RestPose"));
    character_->Speak(QStringLiteral("Press Start!"));
  }
  clearTimer->stop();
  sayDelay_ = kFirstSayDelay;
  sayButton->setText(kStart);
  practiceButton->setChecked(true);
  answerBox->setText(QStringLiteral("Press Start"));
  enterButton->setEnabled(false);
  ShowPracticeNames();
}

void SpellingWindow::placeCharacter() {
  const int height = practice_.ScreenHeightPixels > 0 ? practice_.ScreenHeightPixels
                                                      : lexorama_.runtime().screen().heightPixels();
  int x = 0;
  int y = 0;
  bool known = false;
  for (const CharacterPlace& place : kCharacterPlaces) {
    if (place.screenHeight == height) {
      x = place.x;
      y = place.y;
      known = true;
    }
  }
  if (lexorama_.forms().isLoaded<MainWindow>()) {
    MainWindow& main = lexorama_.forms().get<MainWindow>();
    if (height == kSmallScreen) main.setWindowStateValue(platform::vbMaximized);
    if (!known) {
      main.setHeight(kOtherMainHeight);
      main.setWidth(kOtherMainWidth);
    }
  }
  if (!character_) return;
  character_->serve(*this, lexorama_.runtime().screen().availableGeometry());
  character_->MoveTo(x, y);
}

void SpellingWindow::play(const QString& animation) {
  if (character_) character_->Play(animation);
}

void SpellingWindow::onTestChosen() {
  // The practice's mark is another list's once another list is open.
  const QString mark = OnRunList(practice_, list_) ? practice_.SpellingMark : listSpellingMark_;
  if (!mark.isEmpty() && mark != QLatin1String(" ?")) return;
  practiceButton->setChecked(true);
  lexorama_.MsgBox(QStringLiteral("You must complete the practice test first."));
}

void SpellingWindow::onSayClicked() {
  if (runOver()) return;
  practiceButton->setEnabled(practiceButton->isChecked());
  testButton->setEnabled(testButton->isChecked());
  if (sayButton->text() == kStart) {
    enterButton->setEnabled(true);
    tryCount_ = 0;
    correctCount_ = 0;
    clearTimer->stop();
    sayDelay_ = kFirstSayDelay;
    sayButton->setText(kSayIt);
    chooseNextWord();
  }
  SayWord();
  answerBox->setFocus();
}

bool SpellingWindow::runOver() const { return wordsDone_ == list_.items.size(); }

void SpellingWindow::chooseNextWord() {
  currentItem_ = run_.randomOrder ? draws_.free() : wordsDone_;
}

void SpellingWindow::SayWord() {
  const WordListItem& item = list_.items[currentItem_];
  answerBox->clear();
  definition1Box->setText(item.definition1);
  definition2Box->setText(item.definition2);
  if (character_) {
    // The balloon style comes first, so the test never shows the word it says.
    character_->SetBalloonStyle(testButton->isChecked() ? platform::SpeakingCharacter::kNoBalloon
                                                        : platform::SpeakingCharacter::kTextBalloon);
    character_->Speak(item.word);
    if (!character_->speechAvailable()) tellSpeechUnavailable();
  } else {
    tellSpeechUnavailable();
  }
  clearTimer->start(sayDelay_);
}

void SpellingWindow::tellSpeechUnavailable() {
  if (speechProblemTold_) return;
  speechProblemTold_ = true;
  lexorama_.MsgBox(QStringLiteral("The words cannot be heard on this computer: it has no sound "
                                  "or no voice to speak them."),
                   platform::vbExclamation);
}

void SpellingWindow::onEnterClicked() {
  // A run whose score could not be saved stays on screen, with nothing more to ask.
  if (runOver()) return;
  if (answerBox->text().isEmpty()) {
    answerBox->setFocus();
    return;
  }
  if (enterButton->text() == kNextWord) {
    sayButton->setEnabled(true);
    enterButton->setText(kEnter);
    chooseNextWord();
    SayWord();
    answerBox->setFocus();
    return;
  }
  if (answerBox->text() == list_.items[currentItem_].word) {
    CorrectSpelling();
  } else {
    WrongSpelling();
  }
}

void SpellingWindow::CorrectSpelling() {
  ++correctCount_;
  ++tryCount_;
  UpdateProgress();
  // "Correct!" stays until the next word is asked for.
  clearTimer->stop();
  answerBox->setText(QStringLiteral("Correct!"));
  sayButton->setEnabled(false);
  enterButton->setText(kNextWord);
  setPanelColour(palette().color(QPalette::Button));
  ++wordsDone_;
  const bool last = runOver();
  if (!last) {
    play(QStringLiteral("Congratulate_2"));
    play(QStringLiteral("RestPose"));
  }
  sayDelay_ = kFirstSayDelay;
  answerBox->setFocus();
  if (last) finish();
}

void SpellingWindow::WrongSpelling() {
  setPanelColour(QColor(Qt::red));
  play(QStringLiteral("Blink"));
  play(QStringLiteral("Confused"));
  play(QStringLiteral("RestPose"));
  ++tryCount_;
  answerBox->setText(QStringLiteral("Try again."));
  UpdateProgress();
  clearTimer->start(kTryAgainShown);
  sayDelay_ = std::min(sayDelay_ + kSayDelayStep, kMaxSayDelay);
  answerBox->setFocus();
}

void SpellingWindow::onClearTimer() {
  answerBox->clear();
  clearTimer->stop();
}

void SpellingWindow::UpdateProgress() {
  scoreBar.set(Percent(correctCount_, tryCount_));
  progressBar.set(Percent(correctCount_, static_cast<int>(list_.items.size())));
}

void SpellingWindow::setPanelColour(const QColor& colour) {
  for (QFrame* panel : signalPanels) {
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, colour);
    panel->setPalette(colours);
  }
}

void SpellingWindow::finish() {
  if (!character_) {
    thank();
    return;
  }
  // The owl waves and is gone before the thanks, which otherwise shows under it.
  farewellRequest_ = character_->Play(QStringLiteral("wave"));
}

void SpellingWindow::onCharacterDone(int request) {
  if (request != farewellRequest_) return;
  farewellRequest_ = 0;
  character_->Hide();
  thank();
}

void SpellingWindow::thank() {
  lexorama_.MsgBox(QStringLiteral("Thanks for Completing Lexorama Spelling!"));
  SaveSpellingScore();
  ReturnToSetup(lexorama_, *this);
}

void SpellingWindow::unload(int& cancel) {
  (void)cancel;
  // A run closed while the owl waves goodbye is over all the same.
  if (farewellRequest_ != 0) SaveSpellingScore();
}

void SpellingWindow::SaveSpellingScore() {
  farewellRequest_ = 0;
  const int score = testButton->isChecked() ? RoundedScore(scoreBar.value()) : 1;
  if (OnRunList(practice_, list_)) {
    practice_.SpellingMark = score == 1 ? QStringLiteral(" P") : QString::number(score);
  }
  const PracticeScores scores = RunScores(practice_, list_);
  UpdateScoreFile(lexorama_, list_, [&](ScoreRecord& record, bool found) {
    for (std::size_t i = 0; i < scores.size(); ++i) {
      const auto current = static_cast<std::int16_t>(std::clamp(scores[i], 0, 32767));
      record.scores[i] = found ? std::max(record.scores[i], current) : current;
    }
    const auto spelling = static_cast<std::int16_t>(score);
    record.scores[kSpelling] = found ? std::max(record.scores[kSpelling], spelling) : spelling;
  });
}

}  // namespace vocabulary
