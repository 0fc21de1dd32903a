#include "platform/text/text_colours.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
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

double contrast(const QColor& colour, const QColor& back) {
  const double one = lightness(colour);
  const double other = lightness(back);
  return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

bool hasOwn(const QBrush& brush) { return brush.style() != Qt::NoBrush; }

QColor ownOr(const QBrush& brush, const QColor& otherwise) {
  return hasOwn(brush) ? brush.color() : otherwise;
}

// A word shows on its own background, else on its paragraph's, else on its table cell's, else on
// the box's.
QColor blockBack(const QTextBlock& block, const QColor& back) {
  if (const QBrush own = block.blockFormat().background(); hasOwn(own)) return own.color();
  if (const QTextTable* table = QTextCursor(block).currentTable()) {
    return ownOr(table->cellAt(block.position()).format().background(), back);
  }
  return back;
}

// The box's text colour where it can be read there, else black or white, whichever can be read
// better.
QColor readableOn(const QColor& back, const QColor& text) {
  if (standsOut(text, back)) return text;
  return contrast(Qt::black, back) >= contrast(Qt::white, back) ? QColor(Qt::black)
                                                                : QColor(Qt::white);
}

// The usual text has no colour of its own nor any background, and is not read word by word.
bool anyFormatMayHide(const QTextDocument& doc, const QColor& back) {
  const QList<QTextFormat> formats = doc.allFormats();
  return std::any_of(formats.begin(), formats.end(), [&](const QTextFormat& format) {
    return hasOwn(format.background()) ||
           (format.isCharFormat() && hasOwn(format.foreground()) &&
            !standsOut(format.foreground().color(), back));
  });
}

// Adds [start, end) shown in `colour`, going on with the last run where it ends just before and
// shows in the same colour. A run goes on over a paragraph break, never into another table cell,
// where the selection would become one of whole cells.
void addRun(QList<QTextEdit::ExtraSelection>& runs, QTextDocument& doc, int start, int end,
            const QColor& colour) {
  if (!runs.isEmpty() && runs.last().format.foreground().color() == colour) {
    QTextCursor& last = runs.last().cursor;
    const int lastEnd = last.selectionEnd();
    if (start == lastEnd ||
        (start == lastEnd + 1 && doc.characterAt(lastEnd) == QChar::ParagraphSeparator)) {
      last.setPosition(end, QTextCursor::KeepAnchor);
      return;
    }
  }
  QTextCursor run(&doc);
  run.setPosition(start);
  run.setPosition(end, QTextCursor::KeepAnchor);
  QTextCharFormat shown;
  shown.setForeground(colour);
  runs.append({run, shown});
}

}  // namespace

bool standsOut(const QColor& colour, const QColor& back) {
  return contrast(colour, back) >= kLeastContrast;
}

QList<QTextEdit::ExtraSelection> unreadableRuns(QTextDocument& doc, const QColor& back,
                                                const QColor& text) {
  QList<QTextEdit::ExtraSelection> runs;
  if (!anyFormatMayHide(doc, back)) return runs;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const QColor under = blockBack(block, back);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      const QColor shownOn = ownOr(format.background(), under);
      if (standsOut(ownOr(format.foreground(), text), shownOn)) continue;
      addRun(runs, doc, fragment.position(), fragment.position() + fragment.length(),
             readableOn(shownOn, text));
    }
  }
  return runs;
}

}  // namespace platform::textcolours
