#include "vocabulary/lexorama.h"

#include "vocabulary/practice_setup_window.h"

namespace vocabulary {

void ShowActivity(Lexorama& lexorama) {
  // No activity window is part of the program yet; every number comes back to the setup window.
  lexorama.forms().get<PracticeSetupWindow>().Show();
}

void UnloadAllForms(Lexorama& lexorama) { lexorama.forms().unloadAll(); }

}  // namespace vocabulary
