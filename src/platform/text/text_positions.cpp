#include "platform/text/text_positions.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <vector>

namespace platform::textpos {
namespace {

constexpr QChar kCarriageReturn = u'\r';
constexpr QChar kLineFeed = u'\n';
constexpr QChar kVerticalTab = u'\v';
constexpr QChar kTab = u'\t';
// The marks a document holds where a table (frame) starts and ends, and between its cells.
constexpr QChar kFrameStart = u'\xfdd0';
constexpr QChar kFrameEnd = u'\xfdd1';

int lastQtPosition(const QTextDocument& doc) { return doc.characterCount() - 1; }

// Blocks this close are walked one by one rather than looked up in the document's tree.
constexpr int kWalkLimit = 8;

void collectCellEnds(const QTextFrame& frame, std::vector<int>& ends) {
  for (const QTextFrame* child : frame.childFrames()) {
    if (const auto* table = qobject_cast<const QTextTable*>(child)) {
      for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column) {
          const QTextTableCell cell = table->cellAt(row, column);
          // A merged cell is counted once, where it starts; a row's last cell ends the row.
          if (cell.row() != row || cell.column() != column) continue;
          if (column + cell.columnSpan() < table->columns()) ends.push_back(cell.lastPosition());
        }
      }
    }
    collectCellEnds(*child, ends);
  }
}

// The document positions of the cell ends that count as one character: every cell's end but the
// last of its row, which breaks the line as a paragraph does. Ascending; empty without tables.
std::vector<int> shortBreaks(const QTextDocument& doc) {
  std::vector<int> ends;
  const QTextFrame& root = *doc.rootFrame();
  if (root.childFrames().isEmpty()) return ends;  // the common case, kept cheap
  collectCellEnds(root, ends);
  std::sort(ends.begin(), ends.end());
  return ends;
}

// The document with its short breaks: a break counts two Windows characters unless it is short.
struct Model {
  const QTextDocument& doc;
  std::vector<int> shortEnds = shortBreaks(doc);

  // Short breaks before document position q.
  int shortBefore(int q) const {
    return int(std::lower_bound(shortEnds.begin(), shortEnds.end(), q) - shortEnds.begin());
  }
};

// A block with its number and start, which QTextBlock finds only by walking the document's
// tree; block b starts at Windows position start + b - (short breaks before it), each other
// break before it counting twice.
struct Located {
  QTextBlock block;
  int number;
  int start;
  int shorts;
  int windowsStart() const { return start + number - shorts; }
};

// A block whose number is known already, which saves a walk of the tree.
Located locate(const Model& model, const QTextBlock& block, int number) {
  return {block, number, block.position(), model.shortBefore(block.position())};
}

Located byNumber(const Model& model, int number) {
  return locate(model, model.doc.findBlockByNumber(number), number);
}

// From a block starting at or before Windows position w, steps forward to the last block that
// does so, going no further than block number `last`.
Located walkForward(const Model& model, Located at, int last, int w) {
  while (at.number < last) {
    const int start = at.start + at.block.length();
    const Located next{at.block.next(), at.number + 1, start, model.shortBefore(start)};
    if (next.windowsStart() > w) break;
    at = next;
  }
  return at;
}

// Between a block starting at or before w (low) and one starting after it (high). Interpolation
// finds the block at once where the breaks are spread evenly, as in prose, short lines or empty
// lines; every other step halves the span, so that no text needs more than a few dozen.
Located searchBetween(const Model& model, Located low, Located high, int w) {
  for (bool halve = false;; halve = !halve) {
    const int span = high.number - low.number;
    if (span <= kWalkLimit) return walkForward(model, low, high.number - 1, w);
    const double share =
        halve ? 0.5
              : double(w - low.windowsStart()) / double(high.windowsStart() - low.windowsStart());
    const int guess = std::clamp(low.number + int(share * span), low.number + 1, high.number - 1);
    const Located at = byNumber(model, guess);
    if (at.windowsStart() > w) {
      high = at;
      continue;
    }
    const int walkEnd = std::min(high.number - 1, guess + kWalkLimit);
    low = walkForward(model, at, walkEnd, w);
    if (low.number < walkEnd || walkEnd == high.number - 1) return low;
  }
}

// The last block that starts at or before the Windows position w >= 0, searched for between the
// first block and where a block after the last would start.
Located blockAtWindows(const Model& model, int w) {
  const QTextDocument& doc = model.doc;
  const Located first{doc.begin(), 0, 0, 0};
  const Located end{QTextBlock(), doc.blockCount(), doc.characterCount(),
                    int(model.shortEnds.size())};
  return searchBetween(model, first, end, w);
}
}  // namespace

int toWindows(const QTextDocument& doc, int qtPosition) {
  const int q = std::clamp(qtPosition, 0, lastQtPosition(doc));
  return q + doc.findBlock(q).blockNumber() - Model{doc}.shortBefore(q);
}

int toQt(const QTextDocument& doc, int windowsPosition) {
  if (windowsPosition <= 0) return 0;
  const Located at = blockAtWindows(Model{doc}, windowsPosition);
  const int offset = std::min(windowsPosition - at.windowsStart(), at.block.length() - 1);
  return std::min(at.start + offset, lastQtPosition(doc));
}

int windowsLength(const QTextDocument& doc) {
  return lastQtPosition(doc) + doc.blockCount() - 1 - int(shortBreaks(doc).size());
}

namespace {

// The run of the document a cursor selects. Qt makes a selection from one table cell into
// another a block of whole cells; as a run it goes from the first of them to the end of the last.
struct Run {
  int start;
  int end;
};

Run selectedRun(const QTextCursor& cursor) {
  const QTextTable* table = cursor.hasComplexSelection() ? cursor.currentTable() : nullptr;
  int firstRow = 0, rows = 0, firstColumn = 0, columns = 0;
  if (table) cursor.selectedTableCells(&firstRow, &rows, &firstColumn, &columns);
  if (rows < 1 || columns < 1) return {cursor.selectionStart(), cursor.selectionEnd()};
  const QTextTableCell last = table->cellAt(firstRow + rows - 1, firstColumn + columns - 1);
  return {table->cellAt(firstRow, firstColumn).firstPosition(), last.lastPosition()};
}

}  // namespace

Selection selectionOf(const QTextCursor& cursor) {
  const QTextDocument& doc = *cursor.document();
  const Run run = selectedRun(cursor);
  const int start = toWindows(doc, run.start);
  return {start, toWindows(doc, run.end) - start};
}

QTextCursor cursorFor(QTextDocument& doc, int start, int length) {
  const int total = windowsLength(doc);
  const int first = std::clamp(start, 0, total);
  const int last = first + std::clamp(length, 0, total - first);
  QTextCursor cursor(&doc);
  cursor.setPosition(toQt(doc, first));
  cursor.setPosition(toQt(doc, last), QTextCursor::KeepAnchor);
  return cursor;
}

QString toWindowsText(QString text) {
  text.replace(QChar::LineSeparator, kVerticalTab);
  text.replace(QChar::ParagraphSeparator, kLineFeed);
  text.replace(kLineFeed, QLatin1String("\r\n"));
  return text;
}

QString fromWindowsText(QString text) {
  text.replace(QLatin1String("\r\n"), QString(kLineFeed));
  text.replace(kCarriageReturn, kLineFeed);
  text.replace(kVerticalTab, QChar::LineSeparator);
  return text;
}

QString withoutPictures(QString text) {
  text.remove(QChar::ObjectReplacementCharacter);
  return text;
}

namespace {

// Document text from position `from` on as Windows shows it: a short break becomes a tab, the
// frame marks that end other cells and the paragraph before a table become paragraph breaks.
QString windowsTextFrom(const QTextDocument& doc, QString text, int from) {
  for (const int end : shortBreaks(doc)) {
    if (end >= from && end - from < text.size()) text[end - from] = kTab;
  }
  text.replace(QChar::ParagraphSeparator, kLineFeed);
  text.replace(kFrameStart, kLineFeed);
  text.replace(kFrameEnd, kLineFeed);
  return toWindowsText(text);
}

}  // namespace

QString windowsText(const QTextDocument& doc) {
  return windowsTextFrom(doc, doc.toRawText(), 0);
}

QString selectedWindowsText(const QTextCursor& cursor) {
  const QTextDocument& doc = *cursor.document();
  if (!cursor.hasComplexSelection()) {
    return windowsTextFrom(doc, cursor.selectedText(), cursor.selectionStart());
  }
  // Qt gives the cells' texts run together; the run itself holds their ends.
  const Run run = selectedRun(cursor);
  QString text;
  text.reserve(run.end - run.start);
  for (int q = run.start; q < run.end; ++q) text += doc.characterAt(q);
  return windowsTextFrom(doc, text, run.start);
}

}  // namespace platform::textpos
