#pragma once

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QString>
#include <functional>
#include <vector>

#include "platform/system/services.h"
#include "platform/windows/form.h"
#include "vocabulary/lexorama.h"
#include "vocabulary/score_record.h"

// What the activity windows share: draws, score bars, captions and the closing score save.
namespace vocabulary {

class PracticeSetupWindow;

// A box of text the student clicks to choose it.
class ChoiceBox : public QLabel {
  Q_OBJECT

 public:
  explicit ChoiceBox(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// A bar from 0 to 100 with its percentage text. The value is kept in single precision, as the
// score that is stored is read back from it.
class PercentBar {
 public:
  // Adds "<name>Label" (the caption), "<name>Bar" and "<name>PercentLabel" to `parent`.
  PercentBar(const QString& caption, const QString& name, QWidget* parent);
  void set(double percent);
  float value() const { return value_; }

  QLabel* captionLabel;
  QProgressBar* bar;
  QLabel* percentLabel;

 private:
  float value_ = 0;
};

// Lays the bars out below each other, each with its caption and percentage above it.
void AddPercentBars(QBoxLayout& layout, std::initializer_list<PercentBar*> bars);

// The sunken box in bold at the top of an activity that shows what is asked, added to `layout`.
QLabel* AddQuestionBox(QBoxLayout& layout, QWidget* parent, const char* name);

// A share of a whole in percent, held in single precision.
float Percent(int part, int whole);
// The percentage text: the value's first characters (three at 100, two from 10, else one), cut,
// never rounded, followed by "%".
QString PercentText(float value);
// The stored score: the bar's value rounded to the nearest integer, halves to the even one.
int RoundedScore(float value);

// The order and the activity of a run, read from the setup window when the run starts, so that
// changing the setup window during the run changes nothing.
struct RunChoice {
  bool randomOrder = false;
  // The second variant of a two-variant activity (definition shown, words answered).
  bool definitionFirst = false;
};
// `secondVariant`: the index of the second variant's button among the setup window's activities.
RunChoice ReadRunChoice(PracticeSetupWindow& setup, int secondVariant);

// Row draws over rows 0..count-1.
class RowDraws {
 public:
  RowDraws(platform::Random& random, int count) : random_(&random), marks_(count, false) {}
  // A row chosen uniformly.
  int any();
  // A row for which `allowed` holds, drawn until one is found. Should the generator keep giving
  // refused rows, the first allowed row from the last one drawn is taken, so a draw always ends;
  // -1 when no row is allowed.
  int until(const std::function<bool(int)>& allowed);
  // The same over 0 .. n-1.
  int belowUntil(int n, const std::function<bool(int)>& allowed);
  // A row not yet marked, then marked; -1 when every row is marked.
  int free();
  bool marked(int row) const { return marks_[row]; }
  void mark(int row, bool value = true) { marks_[row] = value; }
  void clearMarks() { marks_.assign(marks_.size(), false); }
  // 2 or 3: the column of a first or second definition, each with an equal chance.
  int definitionColumn();
  // 0 .. n-1, uniformly.
  int below(int n);

 private:
  platform::Random* random_;
  std::vector<bool> marks_;
};

// A word-list item's column: 1 the word, 2 and 3 its definitions.
QString ItemColumn(const WordListItem& item, int column);

// The word list a run asks, with the test its score goes under and the class folder whose score
// file keeps it. Taken as the run starts: a list opened during the run is the next run's, while
// the teacher and student follow the setup window's choice.
struct RunList {
  QList<WordListItem> items;
  QString path;
  QString testName;
  QString dataFolder;
};
RunList TakeRunList(const PracticeState& practice);
// The practice's scores and marks belong to the run's test only while it still has that list.
bool OnRunList(const PracticeState& practice, const RunList& list);
// The scores a run keeps beside its own: the practice's while it is on the run's list, else none.
PracticeScores RunScores(const PracticeState& practice, const RunList& list);

// "<caption>     <test>     <teacher>     <student>".
QString ActivityCaption(const QString& caption, const RunList& list, const PracticeState& practice);

ScoreKey RunKey(const RunList& list, const PracticeState& practice);

// Changes the run's record in its class's score file; a failure is told to the student. False
// when the file could not be written.
bool UpdateScoreFile(Lexorama& lexorama, const RunList& list,
                     const std::function<void(ScoreRecord&, bool found)>& change);
// Keeps a run's score in `field` among the best scores of the run's test.
bool RecordActivityScore(Lexorama& lexorama, const RunList& list, PracticeScore field, int score);

// Brings the setup window back and closes the activity (a score that could not be saved has been
// told by then).
void ReturnToSetup(Lexorama& lexorama, platform::Form& activity);

// Puts an activity window in the main window's child area, its frame `widthTwips` by
// `heightTwips` large.
void AdoptActivity(Lexorama& lexorama, platform::Form& activity, int widthTwips, int heightTwips);

}  // namespace vocabulary
