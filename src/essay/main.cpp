#include <QApplication>

#include "essay/frmMain.h"
#include "essay/quillora.h"
#include "shared/program_start.h"

int main(int argc, char** argv) {
  shared::PreferX11();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillora"));
  auto runtime = platform::Runtime::desktop();
  essay::Quillora quillora(*runtime);
  quillora.forms().get<essay::frmMain>().Show();
  return QApplication::exec();
}
