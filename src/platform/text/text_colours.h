#pragma once

#include <QColor>
#include <QList>
#include <QTextEdit>

class QTextDocument;

// Showing a text on a chosen back colour without changing the text: words whose own colour
// could not be read there are shown in another, and the document keeps its colours for saving,
// printing and copying.
namespace platform::textcolours {

// Whether text in `colour` can be read on `back`: their contrast, as the eye weighs light, is
// at least that asked of large print.
bool standsOut(const QColor& colour, const QColor& back);

// The runs of `doc` that could not be read as they show, with the box's text in `text` on `back`:
// each judged on the background it shows on (its own, its paragraph's or its table cell's, else
// `back`) and shown in `text`, or where that cannot be read there either, in black or white.
QList<QTextEdit::ExtraSelection> unreadableRuns(QTextDocument& doc, const QColor& back,
                                                const QColor& text);

}  // namespace platform::textcolours
