#pragma once

#include <QLabel>
#include <array>

#include "platform/windows/form.h"
#include "vocabulary/activity_support.h"

namespace vocabulary {

// Multiple choice: one question and four answers, of which the student clicks the one that fits;
// a word with four definitions, or a definition with four words.
class MultipleChoiceWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit MultipleChoiceWindow(Lexorama& program);

  QLabel* questionBox;
  std::array<ChoiceBox*, 4> answerBoxes;
  PercentBar scoreBar;
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

  Lexorama& lexorama_;
  PracticeState& practice_;
  QList<WordListItem> items_;
  RunChoice run_;
  RowDraws draws_;
  int currentItem_ = -1;
  QString correctAnswer_;
  int correctCount_ = 0;
  int tryCount_ = 0;
};

}  // namespace vocabulary
