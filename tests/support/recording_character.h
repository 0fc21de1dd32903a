#pragma once

#include <QStringList>
#include <memory>

#include "platform/character/speaking_character.h"
#include "support/drawn_owls.h"

namespace testing_support {

// What every character a test's windows made was asked, in order, one line a call:
// "Show", "Hide", "MoveTo 575 105", "BalloonStyle 0", "Play Greet", "Speak Press Start!", "Stop".
struct CharacterLog {
  QStringList calls;
  QStringList loaded;      // the ids asked for
  bool visible = false;
  int x = 0;
  int y = 0;
  int balloonStyle = platform::SpeakingCharacter::kTextBalloon;
  QString lastSpoken;
  bool loadSucceeds = true;
  bool speechAvailable = true;

  // What the balloon shows now: the last text spoken, unless the style or hiding hides it.
  QString balloonText() const;
  QStringList spoken() const;
  QStringList played() const;
};

// Records each request and completes it at once. An animation name the real character does not
// know fails the test.
class RecordingCharacter : public platform::SpeakingCharacter {
  Q_OBJECT

 public:
  explicit RecordingCharacter(std::shared_ptr<CharacterLog> log) : log_(std::move(log)) {}

  bool load(const QString& characterId) override;
  void Show() override;
  void Hide() override;
  void MoveTo(int x, int y) override;
  // Where the owl stands beside its window is the drawn owl's business (DrawnOwls).
  void serve(QWidget&, const QRect&) override {}
  int Play(const QString& animation) override;
  int Speak(const QString& text) override;
  void Stop() override;
  int BalloonStyle() const override { return log_->balloonStyle; }
  void SetBalloonStyle(int style) override;
  bool speechAvailable() const override { return log_->speechAvailable; }

 private:
  int complete();

  std::shared_ptr<CharacterLog> log_;
  int lastRequest_ = 0;
};

class RecordingCharacters : public platform::CharacterFactory {
 public:
  std::shared_ptr<CharacterLog> log = std::make_shared<CharacterLog>();
  int created = 0;
  // When set, the windows get drawn owls from here instead, and nothing is recorded.
  std::unique_ptr<DrawnOwls> drawn;
  std::unique_ptr<platform::SpeakingCharacter> create() override;
};

}  // namespace testing_support
