#pragma once

#include <QStringList>

#include "platform/character/speech.h"

namespace testing_support {

// A voice the test speaks for: it records what it was told and sends the words and the end
// when the test says so.
class ScriptedSpeech : public platform::Speech {
 public:
  bool canSpeak = true;
  QStringList said;
  int stops = 0;

  bool available() const override { return canSpeak; }
  int say(const QString& text) override {
    said.append(text);
    return ++last_;
  }
  void stop() override { ++stops; }

  void reachWord(int position, int length) { emit wordReached(last_, position, length); }
  void finish() { emit finished(last_); }

 private:
  int last_ = 0;
};

}  // namespace testing_support
