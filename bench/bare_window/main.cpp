// The yardstick for the programs' start: the plainest Qt main window, timed the same way. It has
// a title, a menu and a status line, so that, like every window of the suite, it draws text: a
// window without a word never starts the font database, which no real window can do without.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "platform/system/first_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  platform::ExitAtFirstWindowWhenAsked();
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &app,
                                                                &QApplication::quit);
  window.statusBar()->showMessage(QStringLiteral("Ready"));
  window.resize(640, 480);
  window.show();
  return QApplication::exec();
}
