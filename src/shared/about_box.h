#pragma once

#include <QString>

#include "platform/windows/form.h"
#include "platform/windows/program.h"

class QLabel;
class QPushButton;

namespace shared {

// The About box of the suite's programs: the program's title and version, what the program is
// for, a light-hearted warning, OK and a button that starts the system's information tool (a
// program may give that button another task). Shown modeless.
class AboutBox : public platform::Form {
 public:
  using Context = platform::Program;

  // Registry roots as GetKeyValue takes them.
  static constexpr long HKEY_CURRENT_USER = 0x80000001L;
  static constexpr long HKEY_LOCAL_MACHINE = 0x80000002L;

  explicit AboutBox(platform::Program& program);

  // Starts the information tool registered on this machine, or says that there is none.
  void StartSysInfo();
  // Reads value SubKeyRef of key KeyName under KeyRoot into KeyVal: text as stored, a number as
  // its decimal text. False, with KeyVal emptied, when the root, key or value is not there.
  bool GetKeyValue(long KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                   QString& KeyVal);

  QLabel* iconPicture;
  QLabel* titleLabel;
  QLabel* versionLabel;
  QLabel* descriptionLabel;
  QLabel* disclaimerLabel;
  QPushButton* okButton;
  QPushButton* systemInfoButton;

 protected:
  void load() override;
  // Starts the information tool; a program may give the button another task.
  virtual void onSystemInfoClicked();

 private:
  void layOut();
  void onOkClicked();
  bool startSysInfoTool();
};

}  // namespace shared
