#include "support/recording_character.h"

#include <gtest/gtest.h>

namespace testing_support {

namespace {
QStringList withPrefix(const QStringList& calls, const QString& prefix) {
  QStringList arguments;
  for (const QString& call : calls)
    if (call.startsWith(prefix)) arguments.append(call.mid(prefix.size()));
  return arguments;
}
}  // namespace

QString CharacterLog::balloonText() const {
  return visible && balloonStyle != platform::SpeakingCharacter::kNoBalloon ? lastSpoken
                                                                            : QString();
}

QStringList CharacterLog::spoken() const { return withPrefix(calls, "Speak "); }
QStringList CharacterLog::played() const { return withPrefix(calls, "Play "); }

bool RecordingCharacter::load(const QString& characterId) {
  log_->loaded.append(characterId);
  return log_->loadSucceeds;
}

void RecordingCharacter::Show() {
  log_->calls.append("Show");
  log_->visible = true;
}

void RecordingCharacter::Hide() {
  log_->calls.append("Hide");
  log_->visible = false;
}

void RecordingCharacter::MoveTo(int x, int y) {
  log_->calls.append(QString("MoveTo %1 %2").arg(x).arg(y));
  log_->x = x;
  log_->y = y;
}

int RecordingCharacter::Play(const QString& animation) {
  log_->calls.append("Play " + animation);
  EXPECT_TRUE(animationNames().contains(animation)) << "No animation " << animation.toStdString();
  return complete();
}

int RecordingCharacter::Speak(const QString& text) {
  log_->calls.append("Speak " + text);
  log_->lastSpoken = text;
  return complete();
}

void RecordingCharacter::Stop() { log_->calls.append("Stop"); }

void RecordingCharacter::SetBalloonStyle(int style) {
  log_->calls.append(QString("BalloonStyle %1").arg(style));
  log_->balloonStyle = style;
}

int RecordingCharacter::complete() {
  const int request = ++lastRequest_;
  emit requestCompleted(request);
  return request;
}

std::unique_ptr<platform::SpeakingCharacter> RecordingCharacters::create() {
  ++created;
  if (drawn) return drawn->create();
  return std::make_unique<RecordingCharacter>(log);
}

}  // namespace testing_support
