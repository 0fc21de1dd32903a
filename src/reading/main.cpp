#include <QApplication>

#include "platform/files/locations.h"
#include "reading/reading_window.h"
#include "reading/voxlet.h"
#include "shared/program_start.h"

int main(int argc, char** argv) {
  shared::PrepareStart();
  QApplication app(argc, argv);
  shared::SetUpApplication(QStringLiteral("Voxlet!"), QStringLiteral(":/pictures/voxlet.png"));
  auto runtime = platform::Runtime::desktop();
  reading::Voxlet voxlet(*runtime);
  auto& window = voxlet.forms().get<reading::ReadingWindow>();
  // The program ends with its one main window, however it was closed.
  QObject::connect(&window, &QObject::destroyed, &app, &QCoreApplication::quit);
  window.Show();
  return QApplication::exec();
}
