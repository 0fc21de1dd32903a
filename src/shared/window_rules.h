#pragma once

#include <QString>

namespace platform {
class Form;
class Screen;
class UserSettings;
}  // namespace platform

// How the suite's windows size and place themselves when they load.
namespace shared {

// The sizing rows: what a window does on a screen 600 pixels high, and on any other.
enum class FitRule {
  Standard,         // maximised; else 12000 x 8745 twips
  KeepDesignSize,   // maximised; else as designed
  VocabularyMain,   // maximised; else 12075 x 8745
  SpellingOnMain,   // maximised; 768/864/1024/1200 unchanged; else 12100 x 8745
  ReadingMain,      // unchanged; 768/864/1024/1200 unchanged; else 12100 x 8745
};

// The screen's height in pixels, as the sizing rule computes it.
int ScreenHeightPixels(const platform::Screen& screen);

// Sizes `window` for the screen by `rule` and returns the screen height in pixels. A fixed size
// larger than the screen's free area (large fonts make the screen fewer pixels) is cut down to
// it, the title bar on the screen.
int FitToScreen(platform::Form& window, FitRule rule, const platform::Screen& screen);

// The main window's remembered place, under the program's title, section "Settings".
struct WindowPlacement {
  double left = 1000;
  double top = 1000;
  double width = 6500;
  double height = 6500;
};

// Reads the stored placement. Values that are not numbers, negative or off the screen cannot have
// been written by a window the user could see; the defaults are used instead.
WindowPlacement ReadWindowPlacement(const platform::UserSettings& settings, const QString& program,
                                    const platform::Screen& screen);
// Applies the stored position (and, with `withSize`, the size, cut down to the screen's free area
// where it is larger). A maximised window stays maximised and takes the placement as its restored
// size.
void ApplyWindowPlacement(platform::Form& window, const WindowPlacement& placement, bool withSize);
// Writes the four keys from the window, unless it is minimised.
void SaveWindowPlacement(const platform::Form& window, platform::UserSettings& settings,
                         const QString& program);

}  // namespace shared
