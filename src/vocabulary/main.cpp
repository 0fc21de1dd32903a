#include <QApplication>

#include "platform/system/first_window.h"
#include "platform/windows/picture.h"
#include "shared/program_start.h"
#include "vocabulary/lexorama.h"
#include "vocabulary/main_window.h"

int main(int argc, char** argv) {
  shared::PreferX11();
  QApplication app(argc, argv);
  platform::ExitAtFirstWindowWhenAsked();
  QApplication::setApplicationName(QStringLiteral("Lexorama"));
  QApplication::setWindowIcon(platform::SuitePicture(QStringLiteral(":/pictures/lexorama.png")));
  auto runtime = platform::Runtime::desktop();
  vocabulary::Lexorama lexorama(*runtime);
  lexorama.forms().get<vocabulary::MainWindow>();
  return QApplication::exec();
}
