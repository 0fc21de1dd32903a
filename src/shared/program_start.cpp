#include "shared/program_start.h"

#include <QApplication>
#include <QByteArray>
#include <QThreadPool>
#include <QtGlobal>

#include "platform/system/first_window.h"
#include "platform/windows/picture.h"
#include "platform/windows/suite_style.h"

namespace shared {

void PrepareStart() {
  // The programs place their windows and read the clipboard while loading, which Wayland does not
  // allow; use X11 (also through XWayland) whenever a display offers it and nothing else was asked.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  }
  // Qt's raster engine hands every blended fill of 96 rows or more to the global thread pool,
  // which starts a thread per core the first time. A window's fills are too small to gain from
  // them, and the first window waits while they start; one is enough. The suite runs nothing
  // else on the pool.
  QThreadPool::globalInstance()->setMaxThreadCount(1);
}

void SetUpApplication(const QString& name, const QString& picture) {
  platform::ExitAtFirstWindowWhenAsked();
  QApplication::setApplicationName(name);
  QApplication::setStyle(new platform::SuiteStyle);
  QApplication::setWindowIcon(platform::SuitePicture(picture));
}

}  // namespace shared
