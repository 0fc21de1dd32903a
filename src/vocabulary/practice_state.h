#pragma once

#include <QList>
#include <QString>
#include <array>

#include "vocabulary/word_list_file.h"

namespace vocabulary {

// The six activity scores a practice keeps, in the order of the score record's fields.
enum PracticeScore {
  MultipleChoiceByWord,
  MultipleChoiceByDefinition,
  MatchingByWord,
  MatchingByDefinition,
  PictureGameByWord,
  PictureGameByDefinition
};
using PracticeScores = std::array<int, 6>;

// The practice under way, shared by every window of Lexorama.
struct PracticeState {
  // 1, 2 multiple choice; 3, 4 matching; 5, 6 picture game; 7 sentences; 8 spelling.
  int ActivityNumber = 0;
  QList<WordListItem> WordList;
  int ItemCount() const { return static_cast<int>(WordList.size()); }
  PracticeScores Scores{};
  QString AssignmentPath;
  QString AssignmentName;
  QString TeacherName;
  QString StudentName;
  // The folder of the opened word list, ending with "/".
  QString DataFolder;
  // " ?" (not done) or "OK".
  QString SentencesMark;
  // " ?" (nothing yet), " P" (practice done) or the test score.
  QString SpellingMark;
  // The window the teacher password opens: "Assignment", "Report" or "Edit"; empty otherwise.
  QString LoginTarget;
  // 2 once the password dialog has been loaded.
  int LoginMode = 0;
  // The first line of the password check file.
  QString PasswordValue;
  int ScreenHeightPixels = 0;
  QString StoredOpenPath;
  QString LastOpenedFile;
};

}  // namespace vocabulary
