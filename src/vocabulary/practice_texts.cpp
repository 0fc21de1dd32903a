#include "vocabulary/practice_texts.h"

#include <QStringList>
#include <cmath>
#include <numeric>

namespace vocabulary {

void MarkUnknownResults(PracticeState& practice) {
  if (practice.SentencesMark.isEmpty()) practice.SentencesMark = QStringLiteral(" ?");
  if (practice.SpellingMark.isEmpty()) practice.SpellingMark = QStringLiteral(" ?");
}

QString AverageText(const PracticeScores& scores, SummaryKind kind) {
  // Summed wide: a damaged record's scores must not overflow.
  const long long sum = std::accumulate(scores.begin(), scores.end(), 0LL);
  const double average = static_cast<double>(sum) / static_cast<double>(scores.size());
  if (kind == SummaryKind::Scores) {
    return QString::number(static_cast<long long>(std::nearbyint(average)));
  }
  return QString::number(average, 'g', 15);
}

QString ScoreSummaryText(const PracticeState& practice, SummaryKind kind) {
  const PracticeScores& s = practice.Scores;
  const auto n = [](int score) { return QString::number(score); };
  const QString spellingLabel = kind == SummaryKind::Scores
                                    ? QStringLiteral("      Spelling           =")
                                    : QStringLiteral("      Spelling            =");
  const QStringList lines = {
      QStringLiteral("Assignment.....") + practice.AssignmentName,
      QStringLiteral("Teacher..........") + practice.TeacherName,
      QStringLiteral("Student...........") + practice.StudentName,
      QString(),
      QStringLiteral("Multiple Choice 1 = ") + n(s[MultipleChoiceByWord]),
      QStringLiteral("Multiple Choice 2 = ") + n(s[MultipleChoiceByDefinition]),
      QString(),
      QStringLiteral("      Matching 1     =") + n(s[MatchingByWord]),
      QStringLiteral("      Matching 2     =") + n(s[MatchingByDefinition]),
      QString(),
      QStringLiteral("      Picture1          =") + n(s[PictureGameByWord]),
      QStringLiteral("      Picture2          =") + n(s[PictureGameByDefinition]),
      QString(),
      QStringLiteral("      Average          =") + AverageText(s, kind),
      QString(),
      QStringLiteral("      Sentences      =") + practice.SentencesMark,
      spellingLabel + practice.SpellingMark,
  };
  return lines.join(QStringLiteral("\r\n"));
}

QString StudyGuideText(const PracticeState& practice) {
  QString text = practice.AssignmentName + QStringLiteral("   Study Guide") +
                 QStringLiteral("     ") + practice.StudentName + QStringLiteral("\r\n\r\n");
  int number = 0;
  for (const WordListItem& item : practice.WordList) {
    text += QString::number(++number) + QStringLiteral(")  ") + item.word;
    if (item.definition2.isEmpty()) {
      text += QStringLiteral("    -") + item.definition1;
    } else {
      text += QStringLiteral("\r\n    -") + item.definition1 + QStringLiteral("    -") +
              item.definition2;
    }
    text += QStringLiteral("\r\n\r\n");
  }
  return text;
}

}  // namespace vocabulary
