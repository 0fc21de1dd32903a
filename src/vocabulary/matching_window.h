#pragma once

#include <QLabel>
#include <QListWidget>

#include "vocabulary/activity_window.h"

namespace vocabulary {

// Matching: one question at a time and every answer in one list; the student picks the answer
// from the whole list. A word with all definitions, or a definition with all words.
class MatchingWindow : public ActivityWindow {
 public:
  explicit MatchingWindow(Lexorama& program);

  QLabel* questionBox;
  QListWidget* answerList;
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

  bool finished_ = false;
};

}  // namespace vocabulary
