#pragma once

#include <QString>
#include <functional>

#include "platform/windows/forms.h"
#include "platform/system/runtime.h"

namespace platform {

// One running program: its title, the machine it runs on and its windows. Each program derives
// its context from this and keeps its module-level state there.
class Program {
 public:
  Program(Runtime& runtime, QString title);
  virtual ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Runtime& runtime() const { return runtime_; }
  const QString& title() const { return title_; }
  Forms& forms() { return forms_; }

  // A message box; with no title it shows the program's title.
  int MsgBox(const QString& text, int style = 0, const QString& title = QString());
  // An input box; "" on Cancel. With no title it shows the program's title.
  QString InputBox(const QString& prompt, const QString& title = QString(),
                   const QString& defaultText = QString());

  // Runs an event handler. An error that escapes it is shown, titled with the program's name,
  // and the program keeps running.
  void dispatch(const std::function<void()>& handler);

 private:
  Runtime& runtime_;
  QString title_;
  Forms forms_;
};

}  // namespace platform
