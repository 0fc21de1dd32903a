#pragma once

#include <memory>

#include "platform/character/speaking_character.h"
#include "platform/system/clipboard.h"
#include "platform/windows/interaction.h"
#include "platform/printing/printer.h"
#include "platform/files/registry.h"
#include "platform/system/services.h"
#include "platform/files/usersettings.h"

namespace platform {

// The machine as the programs see it. A program gets one at start; tests build one of doubles.
class Runtime {
 public:
  // Without a printer, clipboard or characters, the system's serve.
  Runtime(std::unique_ptr<Interaction> interaction, std::unique_ptr<Screen> screen,
          std::unique_ptr<Clock> clock, std::unique_ptr<Random> random,
          std::unique_ptr<Shell> shell, std::unique_ptr<Printer> printer = nullptr,
          std::unique_ptr<Clipboard> clipboard = nullptr,
          std::unique_ptr<CharacterFactory> characters = nullptr);
  ~Runtime();

  // Real dialogs, the primary screen, the system clock, the system shell and printer.
  static std::unique_ptr<Runtime> desktop();

  Interaction& interaction() const { return *interaction_; }
  Screen& screen() const { return *screen_; }
  Clock& clock() const { return *clock_; }
  Random& random() const { return *random_; }
  Shell& shell() const { return *shell_; }
  Printer& printer() const { return *printer_; }
  Clipboard& clipboard() const { return *clipboard_; }
  Registry& registry() const { return *registry_; }
  UserSettings& userSettings() const { return *userSettings_; }
  // A new speaking character for a window that talks to the user.
  std::unique_ptr<SpeakingCharacter> createCharacter() const { return characters_->create(); }

 private:
  std::unique_ptr<Interaction> interaction_;
  std::unique_ptr<Screen> screen_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<Random> random_;
  std::unique_ptr<Shell> shell_;
  std::unique_ptr<Printer> printer_;
  std::unique_ptr<Clipboard> clipboard_;
  std::unique_ptr<CharacterFactory> characters_;
  std::unique_ptr<Registry> registry_;
  std::unique_ptr<UserSettings> userSettings_;
};

}  // namespace platform
