#include "vocabulary/activity_support.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <cmath>

#include "vocabulary/practice_setup_window.h"

namespace vocabulary {
namespace {

// Enough tries for any fair generator; only a broken or scripted one runs out.
constexpr int kMaxDrawTries = 10000;
const QString kGap = QStringLiteral("     ");

}  // namespace

ChoiceBox::ChoiceBox(QWidget* parent) : QLabel(parent) {
  setWordWrap(true);
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setCursor(Qt::PointingHandCursor);
}

void ChoiceBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

PercentBar::PercentBar(const QString& caption, const QString& name, QWidget* parent) {
  captionLabel = platform::named(new QLabel(caption, parent), name + QStringLiteral("Label"));
  bar = platform::named(new QProgressBar(parent), name + QStringLiteral("Bar"));
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  bar->setAccessibleName(caption);
  percentLabel = platform::named(new QLabel(QStringLiteral("0"), parent),
                                 name + QStringLiteral("PercentLabel"));
}

void PercentBar::set(double percent) {
  value_ = static_cast<float>(percent);
  bar->setValue(static_cast<int>(value_));
  percentLabel->setText(PercentText(value_));
}

void AddPercentBars(QBoxLayout& layout, std::initializer_list<PercentBar*> bars) {
  auto* grid = new QGridLayout();
  int row = 0;
  for (PercentBar* bar : bars) {
    grid->addWidget(bar->captionLabel, row, 0);
    grid->addWidget(bar->percentLabel, row, 1);
    grid->addWidget(bar->bar, row + 1, 0, 1, 2);
    row += 2;
  }
  layout.addLayout(grid);
}

QLabel* AddQuestionBox(QBoxLayout& layout, QWidget* parent, const char* name) {
  auto* box = platform::named(new QLabel(parent), name);
  box->setWordWrap(true);
  box->setFrameShape(QFrame::Panel);
  box->setFrameShadow(QFrame::Sunken);
  QFont bold = box->font();
  bold.setBold(true);
  bold.setPointSize(12);
  box->setFont(bold);
  box->setMinimumHeight(50);
  layout.addWidget(box);
  return box;
}

float Percent(int part, int whole) {
  return static_cast<float>(static_cast<double>(part) / whole * 100);
}

QString PercentText(float value) {
  const QString digits = QString::number(static_cast<double>(value), 'g', 7);
  const int kept = value >= 100 ? 3 : value >= 10 ? 2 : 1;
  return digits.left(kept) + QLatin1Char('%');
}

int RoundedScore(float value) { return static_cast<int>(std::nearbyint(value)); }

RunChoice ReadRunChoice(PracticeSetupWindow& setup, int secondVariant) {
  RunChoice choice;
  choice.randomOrder = !setup.sequentialButton->isChecked();
  choice.definitionFirst = setup.activityButtons[secondVariant]->isChecked();
  return choice;
}

int RowDraws::below(int n) { return static_cast<int>(std::floor(random_->Rnd() * n)); }

int RowDraws::any() { return below(static_cast<int>(marks_.size())); }

int RowDraws::until(const std::function<bool(int)>& allowed) {
  return belowUntil(static_cast<int>(marks_.size()), allowed);
}

int RowDraws::belowUntil(int count, const std::function<bool(int)>& allowed) {
  int row = 0;
  for (int tries = 0; tries < kMaxDrawTries; ++tries) {
    row = below(count);
    if (allowed(row)) return row;
  }
  for (int step = 0; step < count; ++step) {
    const int next = (row + step) % count;
    if (allowed(next)) return next;
  }
  return -1;
}

int RowDraws::free() {
  const int row = until([this](int r) { return !marks_[r]; });
  if (row >= 0) marks_[row] = true;
  return row;
}

int RowDraws::definitionColumn() { return below(2) + 2; }

QString ItemColumn(const WordListItem& item, int column) {
  switch (column) {
    case 1: return item.word;
    case 2: return item.definition1;
    case 3: return item.definition2;
    default: return QString();
  }
}

RunList TakeRunList(const PracticeState& practice) {
  return {practice.WordList, practice.AssignmentPath, practice.AssignmentName, practice.DataFolder};
}

bool OnRunList(const PracticeState& practice, const RunList& list) {
  return practice.AssignmentPath == list.path && practice.DataFolder == list.dataFolder &&
         practice.AssignmentName == list.testName;
}

PracticeScores RunScores(const PracticeState& practice, const RunList& list) {
  return OnRunList(practice, list) ? practice.Scores : PracticeScores{};
}

QString ActivityCaption(const QString& caption, const RunList& list, const PracticeState& practice) {
  return caption + kGap + list.testName + kGap + practice.TeacherName + kGap +
         practice.StudentName;
}

ScoreKey RunKey(const RunList& list, const PracticeState& practice) {
  return {list.testName, practice.TeacherName, practice.StudentName};
}

namespace {

bool WithScoreFile(Lexorama& lexorama, const RunList& list,
                   const std::function<void(ScoreFile&)>& write) {
  try {
    ScoreFile file(list.dataFolder);
    write(file);
    return true;
  } catch (const ScoreFileError& error) {
    lexorama.MsgBox(QStringLiteral("Your score could not be recorded.\r\n") + error.message(),
                    platform::vbExclamation);
    return false;
  }
}

}  // namespace

bool UpdateScoreFile(Lexorama& lexorama, const RunList& list,
                     const std::function<void(ScoreRecord&, bool found)>& change) {
  return WithScoreFile(lexorama, list, [&](ScoreFile& file) {
    file.update(RunKey(list, lexorama.practice), change);
  });
}

bool RecordActivityScore(Lexorama& lexorama, const RunList& list, PracticeScore field, int score) {
  PracticeState& practice = lexorama.practice;
  if (OnRunList(practice, list)) practice.Scores[field] = score;
  PracticeScores scores = RunScores(practice, list);
  scores[field] = score;
  return WithScoreFile(lexorama, list, [&](ScoreFile& file) {
    SaveScores(file, RunKey(list, practice), scores);
  });
}

void ReturnToSetup(Lexorama& lexorama, platform::Form& activity) {
  lexorama.forms().get<PracticeSetupWindow>().Show();
  activity.Unload();
}

void AdoptActivity(Lexorama& lexorama, platform::Form& activity, int widthTwips, int heightTwips) {
  const platform::Screen& screen = lexorama.runtime().screen();
  const QSize size(widthTwips / screen.twipsPerPixelX(), heightTwips / screen.twipsPerPixelY());
  if (!lexorama.childArea) {
    activity.resize(size);
    return;
  }
  lexorama.childArea->adopt(activity);
  // At the top left of the area, where there is room for the whole window.
  activity.parentWidget()->setGeometry(QRect(QPoint(0, 0), size));
}

}  // namespace vocabulary
