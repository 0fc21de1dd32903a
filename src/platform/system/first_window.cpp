#include "platform/system/first_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

// Lets the first expose through, so the window draws itself, then ends the program.
class FirstWindowWatch : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && !seen_) {
      const auto* window = qobject_cast<QWindow*>(watched);
      if (window && window->isExposed()) {
        seen_ = true;
        QMetaObject::invokeMethod(this, [] {
          std::fputs("shown\n", stdout);
          std::fflush(stdout);
          std::_Exit(0);
        }, Qt::QueuedConnection);
      }
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

void ExitAtFirstWindowWhenAsked() {
  if (qEnvironmentVariableIsEmpty("SCRIBARY_EXIT_AT_FIRST_WINDOW")) return;
  QCoreApplication* application = QCoreApplication::instance();
  application->installEventFilter(new FirstWindowWatch(application));
}

}  // namespace platform
