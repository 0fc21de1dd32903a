#include "vocabulary/matching_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace vocabulary {
namespace {

const QString kCaption = QStringLiteral("Matching");
constexpr int kDefinitionWordButton = 3;

}  // namespace

MatchingWindow::MatchingWindow(Lexorama& program)
    : ActivityWindow(program, QStringLiteral("MatchingWindow"), kCaption),
      progressBar(QStringLiteral("Progress"), QStringLiteral("progress"), this) {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  questionBox = AddQuestionBox(*column, central, "questionBox");
  answerList = platform::named(new QListWidget(central), "answerList");
  answerList->setAccessibleName(QStringLiteral("Answers"));
  answerList->installEventFilter(this);
  column->addWidget(answerList, 1);
  AddPercentBars(*column, {&scoreBar, &progressBar});
  setCentralWidget(central);
  on(answerList, &QListWidget::itemDoubleClicked, [this] { onAnswerChosen(); });
  AdoptActivity(program, *this, 11900, 7600);
}

bool MatchingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == answerList && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      dispatch([this] { onAnswerChosen(); });
      return true;
    }
  }
  return Form::eventFilter(watched, event);
}

void MatchingWindow::load() {
  beginRun(kDefinitionWordButton);
  const int first = draws_.free();
  draws_.mark(first, false);
  currentItem_ = first;
  showQuestion();
  fillAnswerList(first);
  draws_.clearMarks();
  draws_.mark(first);
  ShowPracticeNames();
  answerList->setCurrentRow(0);
}

void MatchingWindow::fillAnswerList(int firstItem) {
  const bool twoDefinitions = !list_.items[firstItem].definition2.isEmpty();
  for (int turn = 0; turn < list_.items.size(); ++turn) {
    const WordListItem& item = list_.items[draws_.free()];
    if (run_.definitionFirst) {
      answerList->addItem(item.word);
    } else if (!twoDefinitions) {
      answerList->addItem(item.definition1);
    } else {
      const QString text = ItemColumn(item, draws_.definitionColumn());
      answerList->addItem(text.isEmpty() ? item.definition1 : text);
    }
  }
}

void MatchingWindow::showQuestion() {
  const WordListItem& item = list_.items[currentItem_];
  if (!run_.definitionFirst) {
    questionBox->setText(item.word);
  } else if (item.definition2.isEmpty()) {
    questionBox->setText(item.definition1);
  } else {
    questionBox->setText(ItemColumn(item, draws_.definitionColumn()));
  }
}

QStringList MatchingWindow::acceptedAnswers() const {
  const WordListItem& current = list_.items[currentItem_];
  const QString question = questionBox->text();
  QStringList accepted;
  if (current.definition2.isEmpty()) {
    accepted << (run_.definitionFirst ? current.word : current.definition1);
  } else {
    // A word or definition standing in several rows takes the last of them.
    for (const WordListItem& item : list_.items) {
      if (!run_.definitionFirst && item.word == question) {
        accepted = {item.definition1, item.definition2};
      } else if (run_.definitionFirst &&
                 (item.definition1 == question || item.definition2 == question)) {
        accepted = {item.word};
      }
    }
  }
  accepted.removeAll(QString());
  return accepted;
}

void MatchingWindow::onAnswerChosen() {
  const QListWidgetItem* chosen = answerList->currentItem();
  if (finished_ || !chosen) return;
  ++tryCount_;
  if (acceptedAnswers().contains(chosen->text())) {
    ++correctCount_;
    ShowPercentages();
    NextQuestion();
  } else {
    ShowPercentages();
    lexorama_.MsgBox(QStringLiteral("Try Again."), platform::vbCritical, QStringLiteral("Oops."));
  }
}

void MatchingWindow::ShowPercentages() {
  scoreBar.set(Percent(correctCount_, tryCount_));
  progressBar.set(Percent(correctCount_, static_cast<int>(list_.items.size())));
}

void MatchingWindow::NextQuestion() {
  if (correctCount_ == list_.items.size()) {
    finish();
    return;
  }
  currentItem_ = draws_.free();
  showQuestion();
}

void MatchingWindow::finish() {
  finished_ = true;
  const int score = RoundedScore(scoreBar.value());
  if (run_.definitionFirst) {
    questionBox->setText(QStringLiteral("Matching Score - Definitions/Words = ") +
                         QString::number(score));
  } else {
    questionBox->setText(QStringLiteral("Matching Score - Words/Definitions = ") +
                         QString::number(score));
  }
  answerList->clear();
  RecordActivityScore(lexorama_, list_, run_.definitionFirst ? MatchingByDefinition : MatchingByWord,
                      score);
  lexorama_.MsgBox(QStringLiteral("Thank you for using Lexorama - Matching!"), platform::vbOKOnly,
                   QStringLiteral("Lexorama - Matching"));
  ReturnToSetup(lexorama_, *this);
}

}  // namespace vocabulary
