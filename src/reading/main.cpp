#include <QApplication>

#include "platform/files/locations.h"
#include "reading/reading_window.h"
#include "reading/voxlet.h"
#include "platform/system/first_window.h"
#include "platform/windows/picture.h"
#include "shared/program_start.h"

int main(int argc, char** argv) {
  shared::PreferX11();
  QApplication app(argc, argv);
  platform::ExitAtFirstWindowWhenAsked();
  QApplication::setApplicationName(QStringLiteral("Voxlet!"));
  QApplication::setWindowIcon(platform::SuitePicture(QStringLiteral(":/pictures/voxlet.png")));
  auto runtime = platform::Runtime::desktop();
  reading::Voxlet voxlet(*runtime);
  auto& window = voxlet.forms().get<reading::ReadingWindow>();
  // The program ends with its one main window, however it was closed.
  QObject::connect(&window, &QObject::destroyed, &app, &QCoreApplication::quit);
  window.Show();
  return QApplication::exec();
}
