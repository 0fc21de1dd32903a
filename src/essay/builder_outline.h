#pragma once

#include <QChar>
#include <QString>
#include <array>

#include "essay/assignment_file.h"

// The assignment builder's outline apart from its window: the eighteen box texts, how they come
// from and go to an assignment file, the store's outline lines and the printed page.
namespace essay {

// What the builder's boxes hold: the texts alone, without labels or line ends.
struct BuilderOutline {
  struct MainIdea {
    QString idea;
    std::array<QString, 4> details;
  };
  QString theme;
  QString introduction;
  std::array<MainIdea, 3> mainIdeas;
  QString conclusion;

  // The builder's outline counts as started when the introduction or main idea 1 holds text.
  bool started() const { return !introduction.isEmpty() || !mainIdeas[0].idea.isEmpty(); }
};

// The labels the outline lines start with (each ends in three blanks).
namespace labels {
inline const QString kTheme = QStringLiteral("Theme/Main Question-   ");
inline const QString kIntroduction = QStringLiteral("Introduction-   ");
inline const QString kConclusion = QStringLiteral("Conclusion-   ");
// Main idea 1, 2 or 3.
QString mainIdea(int number);
}  // namespace labels

// The outline lines as the essay store and the assignment file hold them.
struct OutlineLines {
  QString themeLine;
  QString introLine;
  std::array<MainIdeaBlock, 3> mainIdeas;
  QString conclusionLine;
};
OutlineLines outlineLines(const BuilderOutline& outline);

// The full-layout assignment of an outline with the name and paragraphs that go with it.
Assignment assignmentOf(const BuilderOutline& outline, const QString& studentName,
                        const std::array<QString, 5>& paragraphs);

// The boxes an assignment fills. A line end or label is removed only where it is, so a file
// without labels keeps its text and one with labels never gets them twice; a full-layout field
// too short to hold its label reads as "".
BuilderOutline builderOutlineOf(const Assignment& assignment);

// The page the builder prints: the name, the outline with a "*" before each main line and
// "     -" before each detail (empty boxes left out), and the legend.
QString outlinePrintText(const BuilderOutline& outline, const QString& studentName);

}  // namespace essay
