#include "essay/essay_text.h"

#include "platform/system/runtime_library.h"

namespace essay {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kMainIdeaWithText = 19;
constexpr int kThemeLabelLength = 20;  // "Theme/Main Question-"
constexpr int kShortestHeadingTheme = 20;

// Details of at least three characters hold text before their CR LF.
void appendDetails(QString& outline, const std::array<QString, 4>& details) {
  for (const QString& detail : details) {
    if (detail.size() >= 3) outline += QStringLiteral("  ") + detail;
  }
}

bool isBlankAt(const QString& text, int position) {
  // 1-based; a position outside the text counts as a character that is not a blank.
  return position >= 1 && position <= text.size() && text.at(position - 1) == QLatin1Char(' ');
}

}  // namespace

bool MainIdeaHasText(const QString& mainIdeaLine) {
  return mainIdeaLine.size() >= kMainIdeaWithText;
}

QString BuildOutline(const EssayStore& store) {
  QString outline = store.IntroLine;
  outline += kCrLf + store.MainIdea1Line;
  appendDetails(outline, store.MainIdea1Details);
  if (MainIdeaHasText(store.MainIdea2Line)) outline += kCrLf + store.MainIdea2Line;
  appendDetails(outline, store.MainIdea2Details);
  if (MainIdeaHasText(store.MainIdea3Line)) outline += kCrLf + store.MainIdea3Line;
  appendDetails(outline, store.MainIdea3Details);
  if (!store.ConclusionLine.isEmpty()) outline += kCrLf + store.ConclusionLine;
  return outline;
}

QString PreviewText(const EssayStore& store) {
  QStringList paragraphs = {store.IntroParagraph, store.MainIdea1Paragraph};
  const bool third = MainIdeaHasText(store.MainIdea3Line);
  if (third || MainIdeaHasText(store.MainIdea2Line)) paragraphs.append(store.MainIdea2Paragraph);
  if (third) paragraphs.append(store.MainIdea3Paragraph);
  paragraphs.append(store.ConclusionParagraph);
  for (QString& paragraph : paragraphs) paragraph.prepend(QStringLiteral("     "));
  return paragraphs.join(kCrLf);
}

QString HeadingDate(const QDate& date) {
  return QStringLiteral("%1/%2/%3")
      .arg(date.month())
      .arg(date.day())
      .arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

QString HeadingTime(const QTime& time) {
  const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
  return QStringLiteral("%1:%2 %3")
      .arg(hour, 2, 10, QLatin1Char('0'))
      .arg(time.minute(), 2, 10, QLatin1Char('0'))
      .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString PaperHeader(const EssayStore& store, const QDateTime& now) {
  QString theme = store.ThemeLine.size() < kThemeLabelLength
                      ? QString()
                      : store.ThemeLine.mid(kThemeLabelLength);
  if (theme.size() < kShortestHeadingTheme) theme.clear();
  return store.StudentName + kCrLf + HeadingDate(now.date()) + kCrLf + HeadingTime(now.time()) +
         kCrLf + store.CurrentFile + kCrLf + platform::rtl::Trim(theme);
}

QString EssayText(const QString& header, const EssayStore& store, int paragraphCount) {
  const QString indent(12, QLatin1Char(' '));
  QStringList paragraphs = {store.IntroParagraph, store.MainIdea1Paragraph};
  if (paragraphCount >= 4) paragraphs.append(store.MainIdea2Paragraph);
  if (paragraphCount >= 5) paragraphs.append(store.MainIdea3Paragraph);
  paragraphs.append(store.ConclusionParagraph);
  QString essay = header + kCrLf + kCrLf + indent + paragraphs.takeFirst();
  for (const QString& paragraph : paragraphs) essay += kCrLf + indent + paragraph;
  return essay;
}

InsertBlanks InsertSpacing(const QString& paragraphText, int insertPos) {
  InsertBlanks blanks;
  int position = insertPos;
  if (position == 0) {
    position = 2;
  } else if (!isBlankAt(paragraphText, position)) {
    blanks.leading = QStringLiteral(" ");
  }
  if (!isBlankAt(paragraphText, position + 1)) blanks.trailing = QStringLiteral(" ");
  return blanks;
}

}  // namespace essay
