#include "platform/character/balloon_window.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtMath>
#include <tuple>

#include "platform/character/character_place.h"
#include "platform/character/character_window.h"

namespace platform {

namespace {
constexpr Qt::WindowFlags kFloating = Qt::Tool | Qt::FramelessWindowHint |
                                      Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
constexpr int kMaxTextWidth = 260;
constexpr int kCornerRadius = 12;
constexpr int kTail = 14;  // how far the tail reaches out of the balloon
constexpr int kPadding = 10;
constexpr int kSidePadding = kPadding + 2;
constexpr int kTextPixels = 15;
const QColor kPaper(0xff, 0xfb, 0xe6);
const QColor kInk(0x5c, 0x3a, 0x1c);
const QColor kTextColour(0x22, 0x22, 0x22);
const QColor kSpokenColour(0xb0, 0x30, 0x00);
// A long text shows only a part around the word being spoken: more than the tallest balloon
// holds, and little enough to lay out at each word.
constexpr qsizetype kShownCharacters = 3000;
const QString kMoreBefore = QStringLiteral("\u2026 ");
const QString kMoreAfter = QStringLiteral(" \u2026");

// Line breaks show as blanks, so that every character keeps its place in the text.
QString onOneLine(QString text) {
  for (QChar& character : text) {
    if (character == u'\r' || character == u'\n') character = u' ';
  }
  return text;
}
}  // namespace

BalloonWindow::BalloonWindow() : QWidget(nullptr, kFloating), textView(new QTextEdit(this)) {
  setObjectName("balloonWindow");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  textView->setObjectName("textView");
  textView->setReadOnly(true);
  textView->setTextInteractionFlags(Qt::NoTextInteraction);
  textView->setFocusPolicy(Qt::NoFocus);
  textView->setFrameShape(QFrame::NoFrame);
  textView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  textView->document()->setDocumentMargin(0);
  QPalette colours = textView->palette();
  colours.setColor(QPalette::Base, Qt::transparent);
  colours.setColor(QPalette::Text, kTextColour);
  textView->setPalette(colours);
  QFont font = textView->font();
  font.setPixelSize(kTextPixels);
  textView->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the balloon is as large as its text
  layout->addWidget(textView);
  pointTailAt(true, 0);
}

void BalloonWindow::setText(const QString& text, int wordStart, int wordLength) {
  if (text != text_) shownFrom_ = 0;
  text_ = text;
  const bool marked = wordStart >= 0 && wordStart < text.size();
  wordStart_ = marked ? wordStart : -1;
  wordLength_ = marked ? wordLength : 0;
  if (marked && (wordStart < shownFrom_ || wordStart + wordLength > shownFrom_ + kShownCharacters))
    shownFrom_ = partStartBefore(wordStart);
  const bool cutBefore = shownFrom_ > 0;
  const bool cutAfter = shownFrom_ + kShownCharacters < text.size();
  const QString shown = (cutBefore ? kMoreBefore : QString()) +
                        onOneLine(text.mid(shownFrom_, kShownCharacters)) +
                        (cutAfter ? kMoreAfter : QString());
  shownWordStart_ =
      marked ? int(wordStart - shownFrom_ + (cutBefore ? kMoreBefore.size() : 0)) : -1;
  textView->clear();
  QTextCursor cursor(textView->document());
  QTextCharFormat plain;
  plain.setForeground(kTextColour);
  QTextCharFormat spoken = plain;
  spoken.setForeground(kSpokenColour);
  spoken.setFontWeight(QFont::Bold);
  cursor.insertText(shown.left(marked ? shownWordStart_ : shown.size()), plain);
  if (marked) {
    cursor.insertText(shown.mid(shownWordStart_, wordLength_), spoken);
    cursor.insertText(shown.mid(shownWordStart_ + wordLength_), plain);
  }
  setAccessibleName(text);
  textView->setAccessibleName(text);
}

// A new part starts at a word a little before the word being spoken, so the lines before it stay.
qsizetype BalloonWindow::partStartBefore(qsizetype wordStart) const {
  qsizetype start = std::max<qsizetype>(0, wordStart - kShownCharacters / 4);
  while (start > 0 && start < wordStart && !text_.at(start - 1).isSpace()) ++start;
  return start;
}

// The text's size when it may be `widest` pixels wide: a short text takes only the width it needs.
QSize BalloonWindow::textSize(int widest) {
  QTextDocument* document = textView->document();
  document->setTextWidth(widest);
  const int width = std::min(widest, qCeil(document->idealWidth()) + 1);
  document->setTextWidth(width);
  return {width, qCeil(document->size().height())};
}

// The text gets its whole height up to `tallest`, and scrolls beyond it.
void BalloonWindow::sizeText(const QSize& wanted, int tallest) {
  const bool scrolls = wanted.height() > tallest;
  textView->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const int bar = scrolls ? textView->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
  textView->setFixedSize(wanted.width() + bar, std::min(wanted.height(), tallest));
  layout()->activate();
}

// One way the balloon can stand beside the character.
struct BalloonWindow::Place {
  bool above;        // with its tail pointing down at the character
  bool roomy;        // room for a few lines at least, or the whole text
  int textHeight;
  bool cut;          // the text scrolls
  QRect rect;
  qint64 covered;    // of the controls
  auto rank() const { return std::tuple(!roomy, covered, cut, -textHeight, !above); }
};

void BalloonWindow::placeBeside(const QRect& character, const QRect& area,
                                const QList<QRect>& controls) {
  const int bar = textView->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QSize text = textSize(std::clamp(area.width() - 2 * kSidePadding - bar, 1, kMaxTextWidth));
  const Place above = placeOn(true, character, area, text, controls);
  const Place below = placeOn(false, character, area, text, controls);
  const Place& chosen = above.rank() <= below.rank() ? above : below;
  pointTailAt(chosen.above, tailX_);
  sizeText(text, chosen.textHeight);
  move(chosen.rect.topLeft());
  pointTailAt(chosen.above, character.center().x() - chosen.rect.left());
  if (isVisible()) showSpokenWord();
}

// Whole lines only, so that no line shows cut in half; sideways only as far as the tail still
// reaches the character, and never past the area's sides.
BalloonWindow::Place BalloonWindow::placeOn(bool above, const QRect& character, const QRect& area,
                                            const QSize& text,
                                            const QList<QRect>& controls) const {
  constexpr int kAroundText = 2 * kPadding + kTail;
  constexpr int kFewLines = 3;
  const int oneLine = textView->fontMetrics().lineSpacing();
  const int room = above ? character.top() - area.top() : area.bottom() - character.bottom();
  const int lines = std::max(1, (room - kAroundText) / oneLine);
  const int textHeight = std::min(text.height(), lines * oneLine);
  const bool cut = textHeight < text.height();
  const int bar = cut ? textView->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
  const QSize size(text.width() + bar + 2 * kSidePadding, textHeight + kAroundText);
  const int y = std::clamp(above ? character.top() - size.height() : character.bottom() + 1,
                           area.top(), std::max(area.top(), area.bottom() - size.height() + 1));
  const int reach = kCornerRadius + kTail;
  const int middle = character.center().x();
  const int lastLeft = std::max(area.left(), area.right() - size.width() + 1);
  const int leftmost = std::clamp(middle - size.width() + reach, area.left(), lastLeft);
  const int rightmost = std::clamp(middle - reach, leftmost, lastLeft);
  const QRect slide(leftmost, y, rightmost - leftmost + size.width(), size.height());
  const QPoint at = clearPlace(QPoint(middle - size.width() / 2, y), size, controls, slide);
  const QRect rect(at, size);
  const bool roomy = room >= kAroundText + std::min(text.height(), kFewLines * oneLine);
  return {above, roomy, textHeight, cut, rect, coveredArea(rect, controls)};
}

// The line of the word being spoken is kept in the middle of the text, where the text allows.
void BalloonWindow::showSpokenWord() {
  QTextCursor cursor(textView->document());
  cursor.setPosition(shownWordStart_ < 0 ? 0 : shownWordStart_);
  QScrollBar* bar = textView->verticalScrollBar();
  bar->setValue(bar->value() + textView->cursorRect(cursor).center().y() -
                textView->viewport()->height() / 2);
}

// The tail sits on the side facing the character, as near its middle as the corners allow.
void BalloonWindow::pointTailAt(bool down, int x) {
  tailDown_ = down;
  tailX_ = std::clamp(x, kCornerRadius + kTail, std::max(kCornerRadius + kTail,
                                                         width() - kCornerRadius - kTail));
  layout()->setContentsMargins(kSidePadding, kPadding + (down ? 0 : kTail), kSidePadding,
                               kPadding + (down ? kTail : 0));
  if (CharacterWindow::canShapeWindows())
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
  update();
}

QPainterPath BalloonWindow::outline() const {
  const QRectF body = QRectF(rect()).adjusted(1, tailDown_ ? 1 : kTail, -1, tailDown_ ? -kTail : -1);
  QPainterPath shape;
  shape.addRoundedRect(body, kCornerRadius, kCornerRadius);
  const double edge = tailDown_ ? body.bottom() : body.top();
  const double tip = tailDown_ ? height() - 1 : 1;
  QPainterPath tail;
  tail.moveTo(tailX_ - kTail / 2.0 - 4, edge + (tailDown_ ? -2 : 2));
  tail.lineTo(tailX_, tip);
  tail.lineTo(tailX_ + kTail / 2.0 - 4, edge + (tailDown_ ? -2 : 2));
  tail.closeSubpath();
  return shape.united(tail);
}

void BalloonWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kInk, 2));
  painter.setBrush(kPaper);
  painter.drawPath(outline());
}

void BalloonWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  pointTailAt(tailDown_, tailX_);
}

void BalloonWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  showSpokenWord();
}

}  // namespace platform
