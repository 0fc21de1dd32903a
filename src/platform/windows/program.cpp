#include "platform/windows/program.h"

#include "platform/system/errors.h"

namespace platform {

Program::Program(Runtime& runtime, QString title)
    : runtime_(runtime), title_(std::move(title)), forms_(*this) {}

Program::~Program() = default;

int Program::MsgBox(const QString& text, int style, const QString& title) {
  return runtime_.interaction().messageBox(text, style, title.isEmpty() ? title_ : title);
}

QString Program::InputBox(const QString& prompt, const QString& title,
                          const QString& defaultText) {
  return runtime_.interaction().inputBox(prompt, title.isEmpty() ? title_ : title, defaultText);
}

void Program::dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    MsgBox(QStringLiteral("Run-time error '%1':\r\n\r\n%2")
               .arg(error.number())
               .arg(error.description()),
           vbCritical);
  } catch (const std::exception& error) {
    MsgBox(QStringLiteral("An unexpected error occurred:\r\n\r\n%1")
               .arg(QString::fromLocal8Bit(error.what())),
           vbCritical);
  } catch (...) {
    MsgBox(QStringLiteral("An unexpected error occurred."), vbCritical);
  }
}

}  // namespace platform
