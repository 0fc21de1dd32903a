#pragma once

#include <QString>

#include "platform/windows/form.h"
#include "vocabulary/activity_support.h"

namespace vocabulary {

// A scored activity window: the practice's word list, drawn or taken in order, with a score bar
// of right answers among tries.
class ActivityWindow : public platform::Form {
 public:
  using Context = Lexorama;

  PercentBar scoreBar;

  // Names the run's test and the practice's teacher and student in the title, which follows them
  // when another teacher or student is chosen: the score goes to the names shown.
  void ShowPracticeNames();

 protected:
  ActivityWindow(Lexorama& program, const QString& objectName, const QString& caption);

  // Takes the practice's word list afresh and reads the run's choice from the setup window.
  // `secondVariant`: as for ReadRunChoice.
  void beginRun(int secondVariant);

  Lexorama& lexorama_;
  PracticeState& practice_;
  RunList list_;
  RunChoice run_;
  RowDraws draws_;
  int currentItem_ = -1;
  int correctCount_ = 0;
  int tryCount_ = 0;

 private:
  QString caption_;
};

}  // namespace vocabulary
