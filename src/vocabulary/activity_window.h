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

 protected:
  ActivityWindow(Lexorama& program, const QString& objectName, const QString& caption);

  // Takes the practice's word list afresh and reads the run's choice from the setup window.
  // `secondVariant`: as for ReadRunChoice.
  void beginRun(int secondVariant);

  Lexorama& lexorama_;
  PracticeState& practice_;
  QList<WordListItem> items_;
  RunChoice run_;
  RowDraws draws_;
  int currentItem_ = -1;
  int correctCount_ = 0;
  int tryCount_ = 0;
};

}  // namespace vocabulary
