#include "shared/window_rules.h"

#include <QSize>
#include <algorithm>
#include <cmath>

#include "platform/system/runtime.h"
#include "platform/windows/form.h"
#include "platform/windows/program.h"
#include "platform/system/services.h"
#include "platform/files/usersettings.h"
#include "platform/system/runtime_library.h"

namespace shared {
namespace {

constexpr int kSmallScreen = 600;
constexpr int kFittedHeight = 8745;

bool keepsSizeAt(int heightPixels) {
  return heightPixels == 768 || heightPixels == 864 || heightPixels == 1024 || heightPixels == 1200;
}

// A size in twips cut down, where it must be, to what the screen's free area holds with the
// window's frame: the rules' fixed sizes were made for a screen of small fonts.
QSize sizeOnScreen(const platform::Form& window, int width, int height,
                   const platform::Screen& screen) {
  const QSize room = window.insideRoom(screen.availableGeometry());
  return {std::min(width, room.width() * screen.twipsPerPixelX()),
          std::min(height, room.height() * screen.twipsPerPixelY())};
}

void resizeTwips(platform::Form& window, int width, const platform::Screen& screen) {
  const QSize size = sizeOnScreen(window, width, kFittedHeight, screen);
  window.setHeight(size.height());
  window.setWidth(size.width());
}

const QString kSection = QStringLiteral("Settings");
const QString kLeft = QStringLiteral("MainLeft");
const QString kTop = QStringLiteral("MainTop");
const QString kWidth = QStringLiteral("MainWidth");
const QString kHeight = QStringLiteral("MainHeight");

// The stored text as a number, or nothing when it is not one.
bool readNumber(const platform::UserSettings& settings, const QString& program, const QString& key,
                double fallback, double& value) {
  const QString text = settings.get(program, kSection, key, platform::rtl::FormatSingle(
                                                                static_cast<float>(fallback)));
  bool ok = false;
  value = platform::rtl::Trim(text).toDouble(&ok);
  return ok && std::isfinite(value);
}

}  // namespace

int ScreenHeightPixels(const platform::Screen& screen) {
  const int twipsPerPixel = screen.twipsPerPixelY();
  return twipsPerPixel > 0 ? screen.heightTwips() / twipsPerPixel : 0;
}

int FitToScreen(platform::Form& window, FitRule rule, const platform::Screen& screen) {
  const int height = ScreenHeightPixels(screen);
  const bool small = height == kSmallScreen;
  switch (rule) {
    case FitRule::Standard:
      if (small) window.setWindowStateValue(platform::vbMaximized);
      else resizeTwips(window, 12000, screen);
      break;
    case FitRule::KeepDesignSize:
      if (small) window.setWindowStateValue(platform::vbMaximized);
      break;
    case FitRule::VocabularyMain:
      if (small) window.setWindowStateValue(platform::vbMaximized);
      else resizeTwips(window, 12075, screen);
      break;
    case FitRule::SpellingOnMain:
      if (small) window.setWindowStateValue(platform::vbMaximized);
      else if (!keepsSizeAt(height)) resizeTwips(window, 12100, screen);
      break;
    case FitRule::ReadingMain:
      if (!small && !keepsSizeAt(height)) resizeTwips(window, 12100, screen);
      break;
  }
  return height;
}

WindowPlacement ReadWindowPlacement(const platform::UserSettings& settings, const QString& program,
                                    const platform::Screen& screen) {
  const WindowPlacement defaults;
  WindowPlacement stored;
  const bool numbers = readNumber(settings, program, kLeft, defaults.left, stored.left) &&
                       readNumber(settings, program, kTop, defaults.top, stored.top) &&
                       readNumber(settings, program, kWidth, defaults.width, stored.width) &&
                       readNumber(settings, program, kHeight, defaults.height, stored.height);
  if (!numbers) return defaults;
  const bool sensible = stored.left >= 0 && stored.top >= 0 && stored.width > 0 &&
                        stored.height > 0 && stored.left < screen.widthTwips() &&
                        stored.top < screen.heightTwips();
  return sensible ? stored : defaults;
}

void ApplyWindowPlacement(platform::Form& window, const WindowPlacement& placement, bool withSize) {
  const int state = window.WindowState();
  // A maximised window cannot be placed; place its restored size and maximise it again.
  if (state == platform::vbMaximized) window.setWindowStateValue(platform::vbNormal);
  const int left = static_cast<int>(platform::rtl::RoundHalfEven(placement.left));
  const int top = static_cast<int>(platform::rtl::RoundHalfEven(placement.top));
  if (withSize) {
    const QSize size =
        sizeOnScreen(window, static_cast<int>(platform::rtl::RoundHalfEven(placement.width)),
                     static_cast<int>(platform::rtl::RoundHalfEven(placement.height)),
                     window.program().runtime().screen());
    window.Move(left, top, size.width(), size.height());
  } else {
    window.Move(left, top, window.Width(), window.Height());
  }
  if (state == platform::vbMaximized) window.setWindowStateValue(platform::vbMaximized);
}

void SaveWindowPlacement(const platform::Form& window, platform::UserSettings& settings,
                         const QString& program) {
  if (window.WindowState() == platform::vbMinimized) return;
  const auto save = [&](const QString& key, int twips) {
    settings.save(program, kSection, key, platform::rtl::FormatSingle(static_cast<float>(twips)));
  };
  save(kLeft, window.Left());
  save(kTop, window.Top());
  save(kWidth, window.Width());
  save(kHeight, window.Height());
}

}  // namespace shared
