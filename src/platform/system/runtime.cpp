#include "platform/system/runtime.h"

#include "platform/character/qt_speaking_character.h"
#include "platform/system/desktop_services.h"
#include "platform/windows/qt_interaction.h"
#include "platform/printing/qt_printer.h"

namespace platform {

Runtime::Runtime(std::unique_ptr<Interaction> interaction, std::unique_ptr<Screen> screen,
                 std::unique_ptr<Clock> clock, std::unique_ptr<Random> random,
                 std::unique_ptr<Shell> shell, std::unique_ptr<Printer> printer,
                 std::unique_ptr<Clipboard> clipboard,
                 std::unique_ptr<CharacterFactory> characters)
    : interaction_(std::move(interaction)),
      screen_(std::move(screen)),
      clock_(std::move(clock)),
      random_(std::move(random)),
      shell_(std::move(shell)),
      printer_(printer ? std::move(printer) : std::make_unique<QtPrinter>()),
      clipboard_(clipboard ? std::move(clipboard) : std::make_unique<QtClipboard>()),
      characters_(characters ? std::move(characters) : std::make_unique<QtCharacterFactory>()),
      registry_(std::make_unique<Registry>()),
      userSettings_(std::make_unique<UserSettings>(*registry_)) {}

Runtime::~Runtime() = default;

std::unique_ptr<Runtime> Runtime::desktop() {
  return std::make_unique<Runtime>(std::make_unique<QtInteraction>(), std::make_unique<QtScreen>(),
                                   std::make_unique<SystemClock>(),
                                   std::make_unique<SystemRandom>(),
                                   std::make_unique<DesktopShell>(),
                                   std::make_unique<QtPrinter>());
}

}  // namespace platform
