#include <QApplication>

#include "platform/system/first_window.h"
#include "platform/windows/picture.h"
#include "shared/program_start.h"
#include "webpage/editor_window.h"
#include "webpage/webloom.h"

int main(int argc, char** argv) {
  shared::PreferX11();
  QApplication app(argc, argv);
  platform::ExitAtFirstWindowWhenAsked();
  QApplication::setApplicationName(QStringLiteral("Webloom"));
  QApplication::setWindowIcon(platform::SuitePicture(QStringLiteral(":/pictures/webloom.png")));
  auto runtime = platform::Runtime::desktop();
  webpage::Webloom webloom(*runtime);
  auto& window = webloom.forms().get<webpage::EditorWindow>();
  // The program ends with its one main window, however it was closed.
  QObject::connect(&window, &QObject::destroyed, &app, &QCoreApplication::quit);
  window.Show();
  return QApplication::exec();
}
