#pragma once

#include <QDateTime>
#include <QString>

#include "essay/essay_store.h"

// The texts the workspace builds from the essay store: the outline view, the preview, the paper
// heading and the finished essay. Lengths count CR LF as two characters, as the boxes do.
namespace essay {

// A main idea line holds text when it is longer than its label and line end ("Main Idea #2-   "
// and CR LF are 18 characters).
bool MainIdeaHasText(const QString& mainIdeaLine);

QString BuildOutline(const EssayStore& store);

// The paragraphs, each after five blanks, joined by CR LF; main ideas without text left out.
QString PreviewText(const EssayStore& store);

// Name, date, time, file name and (when long enough) theme, each line ending in CR LF.
QString PaperHeader(const EssayStore& store, const QDateTime& now);

// The date as "m/d/yy" and the time as "hh:mm AM/PM", whatever the machine's locale.
QString HeadingDate(const QDate& date);
QString HeadingTime(const QTime& time);

// The finished essay: the heading, an empty line, then each paragraph after twelve blanks.
// `paragraphCount` is 3 (introduction, main idea 1, conclusion), 4 (with main idea 2) or 5.
QString EssayText(const QString& header, const EssayStore& store, int paragraphCount);

// The blanks an insert needs on either side, given the paragraph's plain text before the insert
// and the caret recorded by the last click (0 when none).
struct InsertBlanks {
  QString leading;
  QString trailing;
};
InsertBlanks InsertSpacing(const QString& paragraphText, int insertPos);

}  // namespace essay
