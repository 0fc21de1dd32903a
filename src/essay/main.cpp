#include <QApplication>

#include "essay/start_window.h"
#include "essay/quillora.h"
#include "shared/program_start.h"

int main(int argc, char** argv) {
  shared::PrepareStart();
  QApplication app(argc, argv);
  shared::SetUpApplication(QStringLiteral("Quillora"), QStringLiteral(":/pictures/quillora.png"));
  auto runtime = platform::Runtime::desktop();
  essay::Quillora quillora(*runtime);
  quillora.forms().get<essay::StartWindow>().Show();
  return QApplication::exec();
}
