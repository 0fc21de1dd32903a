#include "platform/text/text_colours.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace platform::textcolours {
namespace {

constexpr double kLeastContrast = 3.0;

double channelLight(double value) {
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double lightness(const QColor& colour) {
  return 0.2126 * channelLight(colour.redF()) + 0.7152 * channelLight(colour.greenF()) +
         0.0722 * channelLight(colour.blueF());
}

// A word without a colour of its own takes the box's text colour, which is readable.
bool hiddenOn(const QTextCharFormat& format, const QColor& back) {
  const QBrush brush = format.foreground();
  return brush.style() != Qt::NoBrush && !standsOut(brush.color(), back);
}

bool anyFormatHiddenOn(const QTextDocument& doc, const QColor& back) {
  const QList<QTextFormat> formats = doc.allFormats();
  return std::any_of(formats.begin(), formats.end(), [&](const QTextFormat& format) {
    return format.isCharFormat() && hiddenOn(format.toCharFormat(), back);
  });
}

}  // namespace

bool standsOut(const QColor& colour, const QColor& back) {
  const double one = lightness(colour);
  const double other = lightness(back);
  return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05) >= kLeastContrast;
}

QList<QTextEdit::ExtraSelection> unreadableRuns(QTextDocument& doc, const QColor& back,
                                                const QColor& text) {
  QList<QTextEdit::ExtraSelection> runs;
  // The usual text has no such colour at all, and is not read through word by word.
  if (!anyFormatHiddenOn(doc, back)) return runs;
  QTextCharFormat shown;
  shown.setForeground(text);
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!hiddenOn(fragment.charFormat(), back)) continue;
      const int start = fragment.position();
      const int end = start + fragment.length();
      // A run goes on over a paragraph break, never into another table cell, where the
      // selection would become one of whole cells.
      if (!runs.isEmpty()) {
        QTextCursor& last = runs.last().cursor;
        const int lastEnd = last.selectionEnd();
        if (start == lastEnd ||
            (start == lastEnd + 1 && doc.characterAt(lastEnd) == QChar::ParagraphSeparator)) {
          last.setPosition(end, QTextCursor::KeepAnchor);
          continue;
        }
      }
      QTextCursor run(&doc);
      run.setPosition(start);
      run.setPosition(end, QTextCursor::KeepAnchor);
      runs.append({run, shown});
    }
  }
  return runs;
}

}  // namespace platform::textcolours
