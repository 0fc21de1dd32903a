#include <QApplication>

#include "shared/program_start.h"
#include "vocabulary/lexorama.h"
#include "vocabulary/main_window.h"

int main(int argc, char** argv) {
  shared::PrepareStart();
  QApplication app(argc, argv);
  shared::SetUpApplication(QStringLiteral("Lexorama"), QStringLiteral(":/pictures/lexorama.png"));
  auto runtime = platform::Runtime::desktop();
  vocabulary::Lexorama lexorama(*runtime);
  lexorama.forms().get<vocabulary::MainWindow>();
  return QApplication::exec();
}
