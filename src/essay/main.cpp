#include <QApplication>

#include "essay/start_window.h"
#include "essay/quillora.h"
#include "platform/system/first_window.h"
#include "platform/windows/picture.h"
#include "shared/program_start.h"

int main(int argc, char** argv) {
  shared::PreferX11();
  QApplication app(argc, argv);
  platform::ExitAtFirstWindowWhenAsked();
  QApplication::setApplicationName(QStringLiteral("Quillora"));
  QApplication::setWindowIcon(platform::SuitePicture(QStringLiteral(":/pictures/quillora.png")));
  auto runtime = platform::Runtime::desktop();
  essay::Quillora quillora(*runtime);
  quillora.forms().get<essay::StartWindow>().Show();
  return QApplication::exec();
}
