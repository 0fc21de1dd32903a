#pragma once

#include <QString>

#include "vocabulary/practice_state.h"

// The texts Lexorama builds from the practice: the score summary and the study guide.
namespace vocabulary {

enum class SummaryKind { Scores, Exit };

// Sets an empty SentencesMark or SpellingMark to " ?", as the summary shows them.
void MarkUnknownResults(PracticeState& practice);
// The score summary. Scores rounds the average half to even; Exit writes the exact quotient.
QString ScoreSummaryText(const PracticeState& practice, SummaryKind kind);
// The average of the six scores as the summary writes it.
QString AverageText(const PracticeScores& scores, SummaryKind kind);

// The study guide: the heading, then each item numbered, with its definitions.
QString StudyGuideText(const PracticeState& practice);

}  // namespace vocabulary
