#pragma once

#include <QLabel>
#include <QListWidget>

#include "platform/windows/form.h"
#include "vocabulary/activity_support.h"

namespace vocabulary {

// Matching: one question at a time and every answer in one list; the student picks the answer
// from the whole list. A word with all definitions, or a definition with all words.
class MatchingWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit MatchingWindow(Lexorama& program);

  QLabel* questionBox;
  QListWidget* answerList;
  PercentBar scoreBar;
  PercentBar progressBar;

  // A double-click or Enter on the selected answer.
  void onAnswerChosen();

 protected:
  void load() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fillAnswerList(int firstItem);
  void showQuestion();
  QStringList acceptedAnswers() const;
  void NextQuestion();
  void ShowPercentages();
  void finish();

  Lexorama& lexorama_;
  PracticeState& practice_;
  QList<WordListItem> items_;
  RunChoice run_;
  RowDraws draws_;
  int currentItem_ = -1;
  int correctCount_ = 0;
  int tryCount_ = 0;
  bool finished_ = false;
};

}  // namespace vocabulary
