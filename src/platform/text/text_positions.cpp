#include "platform/text/text_positions.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace platform::textpos {
namespace {

constexpr QChar kCarriageReturn = u'\r';
constexpr QChar kLineFeed = u'\n';
constexpr QChar kVerticalTab = u'\v';

int lastQtPosition(const QTextDocument& doc) { return doc.characterCount() - 1; }

// Blocks this close are walked one by one rather than looked up in the document's tree.
constexpr int kWalkLimit = 8;

// A block with its number and start, which QTextBlock finds only by walking the document's
// tree; block b starts at Windows position start + b, each break before it counting twice.
struct Located {
  QTextBlock block;
  int number;
  int start;
  int windowsStart() const { return start + number; }
};

Located locate(const QTextBlock& block) { return {block, block.blockNumber(), block.position()}; }

Located byNumber(const QTextDocument& doc, int number) {
  const QTextBlock block = doc.findBlockByNumber(number);
  return {block, number, block.position()};
}

// From a block starting at or before Windows position w, steps forward to the last block that
// does so, going no further than block number `last`.
Located walkForward(Located at, int last, int w) {
  while (at.number < last) {
    const Located next{at.block.next(), at.number + 1, at.start + at.block.length()};
    if (next.windowsStart() > w) break;
    at = next;
  }
  return at;
}

// The last block that starts at or before the Windows position w >= 0. The block holding
// document position w bounds it from above (h), the block holding w - h - 1 from below; in
// prose the two are a few blocks apart and the blocks between are walked. Otherwise an
// interpolation search between them finds it, in one or two look-ups when the breaks are spread
// evenly, as in a text of short lines or of nothing but empty lines.
Located blockAtWindows(const QTextDocument& doc, int w) {
  const int last = lastQtPosition(doc);
  const QTextBlock top = doc.findBlock(std::min(w, last));
  const int topNumber = top.blockNumber();
  Located low = locate(doc.findBlock(std::clamp(w - topNumber - 1, 0, last)));
  if (topNumber - low.number <= kWalkLimit) return walkForward(low, topNumber, w);
  Located high{top, topNumber, top.position()};
  if (high.windowsStart() <= w) return high;
  // From here low starts at or before w and high after it.
  for (;;) {
    const int span = high.number - low.number;
    if (span <= kWalkLimit) return walkForward(low, high.number - 1, w);
    const double share =
        double(w - low.windowsStart()) / double(high.windowsStart() - low.windowsStart());
    const int guess = std::clamp(low.number + int(share * span), low.number + 1, high.number - 1);
    const Located at = byNumber(doc, guess);
    if (at.windowsStart() > w) {
      high = at;
      continue;
    }
    const int walkEnd = std::min(high.number - 1, guess + kWalkLimit);
    low = walkForward(at, walkEnd, w);
    if (low.number < walkEnd || walkEnd == high.number - 1) return low;
  }
}

}  // namespace

int toWindows(const QTextDocument& doc, int qtPosition) {
  const int q = std::clamp(qtPosition, 0, lastQtPosition(doc));
  return q + doc.findBlock(q).blockNumber();
}

int toQt(const QTextDocument& doc, int windowsPosition) {
  if (windowsPosition <= 0) return 0;
  const Located at = blockAtWindows(doc, windowsPosition);
  const int offset = std::min(windowsPosition - at.windowsStart(), at.block.length() - 1);
  return std::min(at.start + offset, lastQtPosition(doc));
}

int windowsLength(const QTextDocument& doc) {
  return lastQtPosition(doc) + doc.blockCount() - 1;
}

Selection selectionOf(const QTextCursor& cursor) {
  const QTextDocument& doc = *cursor.document();
  const int start = toWindows(doc, cursor.selectionStart());
  return {start, toWindows(doc, cursor.selectionEnd()) - start};
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

QString windowsText(const QTextDocument& doc) { return toWindowsText(doc.toRawText()); }

}  // namespace platform::textpos
