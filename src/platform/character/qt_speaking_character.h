#pragma once

#include <QPointer>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "platform/character/balloon_window.h"
#include "platform/character/character_window.h"
#include "platform/character/speaking_character.h"
#include "platform/character/speech.h"

namespace platform {

// The owl on the desktop. One timer paces everything: the animation frames, the beak while it
// speaks, reading time when it cannot be heard, and how long the balloon stays after speaking.
// Requests start on the timer, never inside the call that queues them.
class QtSpeakingCharacter : public SpeakingCharacter {
  Q_OBJECT

 public:
  static constexpr int kFrameMs = 80;

  explicit QtSpeakingCharacter(std::shared_ptr<Speech> speech, int frameMs = kFrameMs);
  ~QtSpeakingCharacter() override;

  bool load(const QString& characterId) override;
  void Show() override;
  void Hide() override;
  void MoveTo(int x, int y) override;
  void serve(QWidget& window, const QRect& screenArea) override;
  int Play(const QString& animation) override;
  int Speak(const QString& text) override;
  void Stop() override;
  int BalloonStyle() const override { return balloonStyle_; }
  void SetBalloonStyle(int style) override;
  bool speechAvailable() const override { return speech_->available(); }

  const CharacterWindow& window() const { return *window_; }
  const BalloonWindow& balloon() const { return *balloon_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Request {
    enum class Kind { Play, Speak, Hide } kind;
    QString argument;
    int number = 0;
  };

  int queue(Request::Kind kind, const QString& argument);
  void onFrame();
  void startNext();
  void advanceAnimation();
  void advanceSpeaking();
  void complete();
  void onWordReached(int utterance, int position, int length);
  void onSpeechFinished(int utterance);
  void showBalloon(int wordStart, int wordLength);
  void hideNow();
  bool isOwn(const QWidget& widget) const;
  bool mainWindowMinimised() const;
  void followMainWindow();
  void standClear();
  void onDragged(QPoint place);
  void placeBalloon();
  QRect screenArea(std::optional<QPoint> point = std::nullopt) const;
  bool speaking() const { return current_ && current_->kind == Request::Kind::Speak; }

  std::shared_ptr<Speech> speech_;
  std::unique_ptr<CharacterWindow> window_;
  std::unique_ptr<BalloonWindow> balloon_;
  QTimer frameTimer_;
  QTimer startSoon_;
  std::deque<Request> queue_;
  std::optional<Request> current_;
  std::vector<OwlPose> frames_;
  std::size_t nextFrame_ = 0;
  int utterance_ = 0;          // what the speech is saying for the current request
  int silentFramesLeft_ = 0;   // reading time left when it cannot be heard
  int spokenFrames_ = 0;
  int balloonFramesLeft_ = 0;  // how long the balloon stays after speaking
  int balloonStyle_ = kTextBalloon;
  int lastRequest_ = 0;
  // Where the window asked the owl to stand, the window it serves and the screen's room; once the
  // student drags the owl, it stays where it was put until the window moves it again.
  QPoint wanted_;
  QPointer<QWidget> served_;
  QRect screenArea_;
  bool placedByStudent_ = false;
  bool shown_ = false;  // shown, unless the main window is minimised

  QTimer standClearSoon_;
};

// Owls that speak through the audio device, all sharing the process's one voice.
class QtCharacterFactory : public CharacterFactory {
 public:
  std::unique_ptr<SpeakingCharacter> create() override;

 private:
  std::shared_ptr<Speech> speech_;
};

}  // namespace platform
