#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <memory>

#include "platform/character/speaking_character.h"
#include "vocabulary/activity_window.h"

namespace vocabulary {

// The spelling test: the speaking character says each word of the list while its definitions
// are shown, and the student types its spelling. A practice run comes before the test, whose
// score is kept.
class SpellingWindow : public ActivityWindow {
 public:
  explicit SpellingWindow(Lexorama& program);
  ~SpellingWindow() override;

  // The longest wait before a given word is cleared from the answer box, however many tries.
  static constexpr int kMaxSayDelay = 3000;

  QRadioButton* practiceButton;
  QRadioButton* testButton;
  QPushButton* sayButton;
  QPushButton* enterButton;
  QLineEdit* answerBox;
  QLabel* definition1Box;
  QLabel* definition2Box;
  // They turn red after a wrong spelling.
  std::array<QFrame*, 3> signalPanels;
  PercentBar progressBar;
  QTimer* clearTimer;

  void onTestChosen();
  void onSayClicked();
  void onEnterClicked();
  void onClearTimer();

 protected:
  void load() override;
  void unload(int& cancel) override;

 private:
  void createControls();
  void placeCharacter();
  bool runOver() const;
  void chooseNextWord();
  void SayWord();
  void tellSpeechUnavailable();
  void CorrectSpelling();
  void WrongSpelling();
  void UpdateProgress();
  void setPanelColour(const QColor& colour);
  void finish();
  void onCharacterDone(int request);
  void thank();
  void SaveSpellingScore();
  void play(const QString& animation);

  std::unique_ptr<platform::SpeakingCharacter> character_;
  int wordsDone_ = 0;
  int sayDelay_ = 0;
  bool speechProblemTold_ = false;
  // The owl's goodbye wave, while the thanks waits for it; 0 otherwise.
  int farewellRequest_ = 0;
  // The spelling mark of the run's list as the window opened.
  QString listSpellingMark_;
};

}  // namespace vocabulary
