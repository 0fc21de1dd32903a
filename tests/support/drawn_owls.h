#pragma once

#include <QPointer>
#include <QStringList>
#include <memory>

#include "platform/character/qt_speaking_character.h"
#include "support/scripted_speech.h"

namespace testing_support {

// The owls the programs draw on the screen, speaking through one scripted voice, so that tests
// see where an owl and its balloon stand.
class DrawnOwls : public platform::CharacterFactory {
 public:
  std::shared_ptr<ScriptedSpeech> speech = std::make_shared<ScriptedSpeech>();
  std::unique_ptr<platform::SpeakingCharacter> create() override;
  // The owl made last, while its window keeps it.
  platform::QtSpeakingCharacter* last() const { return last_; }

 private:
  QPointer<platform::QtSpeakingCharacter> last_;
};

// The controls of `window` (buttons, options, text boxes, labels) that the screen rectangle
// `covering` lies over where they show (an option's caption, a label's text), each by its name,
// or its text where it has no name.
QStringList controlsUnder(const QRect& covering, const QWidget& window);

}  // namespace testing_support
