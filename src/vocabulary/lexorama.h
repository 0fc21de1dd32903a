#pragma once

#include <QPointer>

#include "platform/windows/child_area.h"
#include "platform/windows/program.h"
#include "vocabulary/practice_state.h"

namespace vocabulary {

// Lexorama's running state: its windows and the practice.
class Lexorama : public platform::Program {
 public:
  explicit Lexorama(platform::Runtime& runtime) : Program(runtime, QStringLiteral("Lexorama")) {}
  // The windows read the practice to the last (a name box reports its edit finished as the
  // focus leaves it), so they go before it.
  ~Lexorama() override { forms().destroyAll(); }

  PracticeState practice;
  // The main window's area for child windows, while the main window is loaded.
  QPointer<platform::ChildArea> childArea;
};

// Opens the window of the chosen activity.
void ShowActivity(Lexorama& lexorama);
// Shows the practice's current test, teacher and student in the title of every open activity.
void ShowPracticeNames(Lexorama& lexorama);
// Unloads every window of the program, the main window included.
void UnloadAllForms(Lexorama& lexorama);

}  // namespace vocabulary
