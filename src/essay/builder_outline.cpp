#include "essay/builder_outline.h"

namespace essay {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kMainPoint = QStringLiteral("*");
const QString kDetailPoint = QStringLiteral("     -");
const QString kLegend = QStringLiteral(
    "* = Introduction, Main Idea 1,2,3, and the Conclusion\r\n"
    "-  = A detail or example in support of a main idea");

QString withoutLineEnd(const QString& text) {
  if (text.endsWith(kLineEnd)) return text.chopped(2);
  if (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) return text.chopped(1);
  return text;
}

// A full-layout file always writes the label, so a shorter field can only be a damaged one.
QString withoutLabel(const QString& text, const QString& label, bool labelWritten) {
  if (text.startsWith(label)) return text.mid(label.size());
  if (labelWritten && text.size() < label.size()) return QString();
  return text;
}

QString boxText(const QString& line, const QString& label, bool labelWritten) {
  return withoutLabel(withoutLineEnd(line), label, labelWritten);
}

}  // namespace

QString labels::mainIdea(int number) {
  return QStringLiteral("Main Idea #%1-   ").arg(number);
}

OutlineLines outlineLines(const BuilderOutline& outline) {
  OutlineLines lines;
  lines.themeLine = labels::kTheme + outline.theme + kLineEnd;
  lines.introLine = labels::kIntroduction + outline.introduction + kLineEnd;
  for (std::size_t i = 0; i < lines.mainIdeas.size(); ++i) {
    const BuilderOutline::MainIdea& idea = outline.mainIdeas[i];
    MainIdeaBlock& block = lines.mainIdeas[i];
    block.line = labels::mainIdea(static_cast<int>(i) + 1) + idea.idea + kLineEnd;
    for (std::size_t d = 0; d < block.details.size(); ++d) block.details[d] = idea.details[d] + kLineEnd;
  }
  lines.conclusionLine = labels::kConclusion + outline.conclusion;
  return lines;
}

Assignment assignmentOf(const BuilderOutline& outline, const QString& studentName,
                        const std::array<QString, 5>& paragraphs) {
  const OutlineLines lines = outlineLines(outline);
  Assignment assignment;
  assignment.studentName = studentName;
  assignment.themeLine = lines.themeLine;
  assignment.introLine = lines.introLine;
  for (std::size_t i = 0; i < lines.mainIdeas.size(); ++i) {
    assignment.mainIdeaBlocks[i] = lines.mainIdeas[i].joined();
  }
  assignment.conclusionLine = lines.conclusionLine;
  assignment.paragraphs = paragraphs;
  return assignment;
}

BuilderOutline builderOutlineOf(const Assignment& assignment) {
  const bool labelsWritten = !assignment.outlineOnly;
  BuilderOutline outline;
  outline.theme = boxText(assignment.themeLine, labels::kTheme, labelsWritten);
  outline.introduction = boxText(assignment.introLine, labels::kIntroduction, labelsWritten);
  for (std::size_t i = 0; i < outline.mainIdeas.size(); ++i) {
    const MainIdeaBlock block = MainIdeaBlock::split(assignment.mainIdeaBlocks[i]);
    BuilderOutline::MainIdea& idea = outline.mainIdeas[i];
    idea.idea = boxText(block.line, labels::mainIdea(static_cast<int>(i) + 1), labelsWritten);
    for (std::size_t d = 0; d < idea.details.size(); ++d) idea.details[d] = withoutLineEnd(block.details[d]);
  }
  // The conclusion line has no line end of its own; in the outline-only layout the record's
  // closing line end may follow it.
  const QString conclusion =
      assignment.outlineOnly ? withoutLineEnd(assignment.conclusionLine) : assignment.conclusionLine;
  outline.conclusion = withoutLabel(conclusion, labels::kConclusion, labelsWritten);
  return outline;
}

QString outlinePrintText(const BuilderOutline& outline, const QString& studentName) {
  QString page;
  const auto add = [&page](const QString& box, const QString& before, const QString& after) {
    if (!box.isEmpty()) page += before + box + after;
  };
  add(outline.theme, QString(), kLineEnd + kLineEnd);
  add(outline.introduction, kMainPoint, kLineEnd + kLineEnd);
  for (std::size_t i = 0; i < outline.mainIdeas.size(); ++i) {
    const BuilderOutline::MainIdea& idea = outline.mainIdeas[i];
    const bool first = i == 0;
    add(idea.idea, first ? kMainPoint : kLineEnd + kMainPoint, kLineEnd);
    for (std::size_t d = 0; d < idea.details.size(); ++d) {
      const bool closesBlock = !first && d + 1 == idea.details.size();
      add(idea.details[d], kDetailPoint, closesBlock ? kLineEnd + kLineEnd : kLineEnd);
    }
  }
  add(outline.conclusion, kMainPoint, kLineEnd);
  return studentName + kLineEnd + kLineEnd + page + kLineEnd + kLineEnd + kLineEnd + kLegend;
}

}  // namespace essay
