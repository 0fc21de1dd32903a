#include "platform/character/speaking_character.h"

namespace platform {

const QStringList& SpeakingCharacter::animationNames() {
  static const QStringList names{"Greet",    "RestPose",       "Blink",
                                 "Confused", "Congratulate_2", "wave"};
  return names;
}

}  // namespace platform
