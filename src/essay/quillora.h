#pragma once

#include "essay/essay_store.h"
#include "platform/system/osversion.h"
#include "platform/windows/program.h"

namespace essay {

// Quillora's running state: its windows and the essay store.
class Quillora : public platform::Program {
 public:
  explicit Quillora(platform::Runtime& runtime) : Program(runtime, QStringLiteral("Quillora")) {}

  EssayStore store;
  // Where the start screen learns the system's family; tests give another.
  std::function<platform::OsVersionInfo()> osVersion = platform::queryOsVersion;

  // "Exit Quillora?", answered Yes.
  bool ConfirmExit() {
    return MsgBox(QStringLiteral("Exit Quillora?"), platform::vbYesNo | platform::vbQuestion,
                  QStringLiteral("Quillora")) == platform::vbYes;
  }
};

}  // namespace essay
