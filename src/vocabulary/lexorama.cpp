#include "vocabulary/lexorama.h"

#include "vocabulary/matching_window.h"
#include "vocabulary/multiple_choice_window.h"
#include "vocabulary/picture_game_window.h"
#include "vocabulary/practice_setup_window.h"
#include "vocabulary/sentences_window.h"
#include "vocabulary/spelling_window.h"

namespace vocabulary {

void ShowActivity(Lexorama& lexorama) {
  platform::Forms& forms = lexorama.forms();
  // Every activity needs a word list of at least five items.
  const int activity = lexorama.practice.ItemCount() < kMinItemsToStart
                           ? 0
                           : lexorama.practice.ActivityNumber;
  switch (activity) {
    case 1:
    case 2:
      forms.get<MultipleChoiceWindow>().Show();
      break;
    case 3:
    case 4:
      forms.get<MatchingWindow>().Show();
      break;
    case 5:
    case 6:
      forms.get<PictureGameWindow>().Show();
      break;
    case 7:
      forms.get<SentencesWindow>().Show();
      break;
    case 8:
      forms.get<SpellingWindow>().Show();
      break;
    default:
      forms.get<PracticeSetupWindow>().Show();
      break;
  }
}

void ShowPracticeNames(Lexorama& lexorama) {
  for (platform::Form* window : lexorama.forms().loaded()) {
    if (auto* activity = dynamic_cast<ActivityWindow*>(window)) activity->ShowPracticeNames();
  }
  if (lexorama.forms().isLoaded<SentencesWindow>()) {
    lexorama.forms().get<SentencesWindow>().ShowPracticeNames();
  }
}

void UnloadAllForms(Lexorama& lexorama) { lexorama.forms().unloadAll(); }

}  // namespace vocabulary
