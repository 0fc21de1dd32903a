#pragma once

#include <QLabel>
#include <array>

#include "vocabulary/activity_window.h"

namespace vocabulary {

// Multiple choice: one question and four answers, of which the student clicks the one that fits;
// a word with four definitions, or a definition with four words.
class MultipleChoiceWindow : public ActivityWindow {
 public:
  explicit MultipleChoiceWindow(Lexorama& program);

  QLabel* questionBox;
  std::array<ChoiceBox*, 4> answerBoxes;
  PercentBar progressBar;

  void onAnswerClicked(int box);

 protected:
  void load() override;

 private:
  void NextQuestion();
  QString drawWrongAnswer(int answerColumn, int distractorColumn, std::vector<int>& usedRows);
  void RightAnswer();
  void WrongAnswer();
  void UpdateScoreBars();
  void finish();

  QString correctAnswer_;
};

}  // namespace vocabulary
