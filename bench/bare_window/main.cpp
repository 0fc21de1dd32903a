// The yardstick for the programs' start: the plainest Qt main window, timed the same way.
#include <QApplication>
#include <QMainWindow>

#include "platform/system/first_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  platform::ExitAtFirstWindowWhenAsked();
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(640, 480);
  window.show();
  return QApplication::exec();
}
