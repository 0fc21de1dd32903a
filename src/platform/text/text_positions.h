#pragma once

#include <QString>

class QTextCursor;
class QTextDocument;

// The Windows text model over a QTextDocument. Windows counts a paragraph break as two
// characters (CR LF); a QTextDocument counts it as one. A picture is one character in both. In
// a table each cell's end is one character (a tab) except the last of a row, which ends the row
// as a paragraph break does. Every mapping here costs a few O(log n) block look-ups, never a
// scan of the text, and a look at each table cell.
namespace platform::textpos {

// The Windows position of a document position (clamped to the document).
int toWindows(const QTextDocument& doc, int qtPosition);

// The document position of a Windows position, clamped to the text. A position that falls
// between the CR and the LF of a break is taken as the position just before the break.
int toQt(const QTextDocument& doc, int windowsPosition);

// The length of the text with every paragraph break counted as two characters.
int windowsLength(const QTextDocument& doc);

// A selection in Windows terms: where it starts and how many characters it spans.
struct Selection {
  int start = 0;
  int length = 0;
};
Selection selectionOf(const QTextCursor& cursor);

// A cursor on `doc` selecting `length` Windows characters from `start`, both clamped to the
// text; the caret (position) ends the selection.
QTextCursor cursorFor(QTextDocument& doc, int start, int length);

// Document text (paragraph separators U+2029 or '\n', line separators U+2028) as Windows shows
// it: paragraph breaks become CR LF and line breaks inside a paragraph a vertical tab, so that
// every document character stays one Windows character apart from the paragraph break.
QString toWindowsText(QString text);

// Windows text as the document takes it: CR LF, a lone LF or a lone CR each become one
// paragraph break ('\n'); a vertical tab becomes a line break inside the paragraph.
QString fromWindowsText(QString text);

// Windows text with the pictures left out, as it is spoken or written to a plain-text file;
// positions in it no longer match the box's.
QString withoutPictures(QString text);

// The document's whole text in Windows form.
QString windowsText(const QTextDocument& doc);
// The selected text of a cursor in Windows form.
QString selectedWindowsText(const QTextCursor& cursor);

}  // namespace platform::textpos
