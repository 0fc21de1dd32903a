#include <QApplication>

#include "shared/program_start.h"
#include "webpage/editor_window.h"
#include "webpage/webloom.h"

int main(int argc, char** argv) {
  shared::PrepareStart();
  QApplication app(argc, argv);
  shared::SetUpApplication(QStringLiteral("Webloom"), QStringLiteral(":/pictures/webloom.png"));
  auto runtime = platform::Runtime::desktop();
  webpage::Webloom webloom(*runtime);
  auto& window = webloom.forms().get<webpage::EditorWindow>();
  // The program ends with its one main window, however it was closed.
  QObject::connect(&window, &QObject::destroyed, &app, &QCoreApplication::quit);
  window.Show();
  return QApplication::exec();
}
