#include "vocabulary/multiple_choice_window.h"

#include <algorithm>
#include <QVBoxLayout>

namespace vocabulary {
namespace {

const QString kCaption = QStringLiteral("MultipleChoice");
constexpr int kDefinitionWordButton = 1;

// The definition a question shows or answers with: the one in `column` when the item has two,
// else the first.
int ShownColumn(const WordListItem& item, int column) {
  return !item.definition2.isEmpty() && !ItemColumn(item, column).isEmpty() ? column : 2;
}

}  // namespace

MultipleChoiceWindow::MultipleChoiceWindow(Lexorama& program)
    : ActivityWindow(program, QStringLiteral("MultipleChoiceWindow"), kCaption),
      progressBar(QStringLiteral("Progress"), QStringLiteral("progress"), this) {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  questionBox = AddQuestionBox(*column, central, "questionBox");
  for (int i = 0; i < 4; ++i) {
    answerBoxes[i] = platform::named(new ChoiceBox(central), QStringLiteral("answerBoxes[%1]").arg(i));
    answerBoxes[i]->setMinimumHeight(45);
    column->addWidget(answerBoxes[i]);
    on(answerBoxes[i], &ChoiceBox::clicked, [this, i] { onAnswerClicked(i); });
  }
  AddPercentBars(*column, {&scoreBar, &progressBar});
  setCentralWidget(central);
  AdoptActivity(program, *this, 10000, 6600);
}

void MultipleChoiceWindow::load() {
  beginRun(kDefinitionWordButton);
  NextQuestion();
  ShowPracticeNames();
}

void MultipleChoiceWindow::NextQuestion() {
  const int definitionColumn = draws_.definitionColumn();
  std::array<int, 3> distractorColumns{2, 2, 2};
  if (run_.randomOrder) {
    for (int& distractor : distractorColumns) distractor = draws_.definitionColumn();
    currentItem_ = draws_.free();
  } else {
    ++currentItem_;
  }
  const WordListItem& item = list_.items[currentItem_];
  const int shown = ShownColumn(item, definitionColumn);
  int answerColumn = 1;
  if (run_.definitionFirst) {
    questionBox->setText(ItemColumn(item, shown));
    correctAnswer_ = item.word;
  } else {
    questionBox->setText(item.word);
    correctAnswer_ = ItemColumn(item, shown);
    answerColumn = run_.randomOrder ? shown : 2;
  }
  const bool distractorsByColumn = run_.randomOrder && answerColumn != 1 &&
                                   !item.definition2.isEmpty();
  std::vector<int> usedRows{currentItem_};
  std::array<QString, 3> wrongAnswers;
  for (int i = 0; i < 3; ++i) {
    wrongAnswers[i] = drawWrongAnswer(answerColumn,
                                      distractorsByColumn ? distractorColumns[i] : 0, usedRows);
  }
  std::vector<int> usedBoxes;
  const auto drawBox = [&] {
    const int box = draws_.belowUntil(4, [&](int b) {
      return std::find(usedBoxes.begin(), usedBoxes.end(), b) == usedBoxes.end();
    });
    usedBoxes.push_back(box);
    return box;
  };
  answerBoxes[drawBox()]->setText(correctAnswer_);
  for (const QString& wrong : wrongAnswers) answerBoxes[drawBox()]->setText(wrong);
}

QString MultipleChoiceWindow::drawWrongAnswer(int answerColumn, int distractorColumn,
                                              std::vector<int>& usedRows) {
  const int row = draws_.until([&](int r) {
    return std::find(usedRows.begin(), usedRows.end(), r) == usedRows.end();
  });
  usedRows.push_back(row);
  const WordListItem& wrong = list_.items[row];
  if (distractorColumn == 0) return ItemColumn(wrong, answerColumn);
  const QString text = ItemColumn(wrong, distractorColumn);
  return text.isEmpty() ? wrong.definition1 : text;
}

void MultipleChoiceWindow::onAnswerClicked(int box) {
  if (currentItem_ < 0 || correctCount_ >= list_.items.size()) return;
  if (answerBoxes[box]->text() == correctAnswer_) {
    RightAnswer();
  } else {
    WrongAnswer();
  }
}

void MultipleChoiceWindow::WrongAnswer() {
  ++tryCount_;
  UpdateScoreBars();
  lexorama_.MsgBox(QStringLiteral("Try Again."), platform::vbCritical, QStringLiteral("Oops."));
}

void MultipleChoiceWindow::RightAnswer() {
  ++correctCount_;
  ++tryCount_;
  UpdateScoreBars();
  if (correctCount_ == list_.items.size()) {
    finish();
  } else {
    NextQuestion();
  }
}

void MultipleChoiceWindow::UpdateScoreBars() {
  scoreBar.set(Percent(correctCount_, tryCount_));
  progressBar.set(Percent(correctCount_, static_cast<int>(list_.items.size())));
}

void MultipleChoiceWindow::finish() {
  const int score = RoundedScore(scoreBar.value());
  if (run_.definitionFirst) {
    questionBox->setText(QStringLiteral("Multiple Choice Score - Definitions/Words = ") +
                         QString::number(score));
  } else {
    questionBox->setText(QStringLiteral("Multiple Choice Score - Words/Definitions = ") +
                         QString::number(score));
  }
  for (ChoiceBox* box : answerBoxes) box->clear();
  lexorama_.MsgBox(QStringLiteral("Thank you for using Lexorama - MultipleChoice!"), platform::vbOKOnly,
                   QStringLiteral("Lexorama - MultipleChoice"));
  RecordActivityScore(lexorama_, list_,
                      run_.definitionFirst ? MultipleChoiceByDefinition : MultipleChoiceByWord,
                      score);
  ReturnToSetup(lexorama_, *this);
}

}  // namespace vocabulary
