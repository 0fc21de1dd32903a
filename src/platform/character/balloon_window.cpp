#include "platform/character/balloon_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/character/character_window.h"

namespace platform {

namespace {
constexpr Qt::WindowFlags kFloating = Qt::Tool | Qt::FramelessWindowHint |
                                      Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
constexpr int kMaxTextWidth = 260;
constexpr int kCornerRadius = 12;
constexpr int kTail = 14;  // how far the tail reaches out of the balloon
constexpr int kPadding = 10;
const QColor kPaper(0xff, 0xfb, 0xe6);
const QColor kInk(0x5c, 0x3a, 0x1c);
}  // namespace

BalloonWindow::BalloonWindow() : QWidget(nullptr, kFloating), textLabel(new QLabel(this)) {
  setObjectName("balloonWindow");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  textLabel->setObjectName("textLabel");
  textLabel->setWordWrap(true);
  textLabel->setTextFormat(Qt::RichText);
  textLabel->setMaximumWidth(kMaxTextWidth);
  textLabel->setStyleSheet("color: #222222; font-size: 15px;");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(textLabel);
  pointTailAt(true, 0);
}

void BalloonWindow::setText(const QString& text, int wordStart, int wordLength) {
  text_ = text;
  wordStart_ = wordStart;
  wordLength_ = wordLength;
  if (wordStart < 0 || wordStart >= text.size()) {
    textLabel->setText(text.toHtmlEscaped());
  } else {
    textLabel->setText(text.left(wordStart).toHtmlEscaped() +
                       "<b><span style=\"color:#b03000\">" +
                       text.mid(wordStart, wordLength).toHtmlEscaped() + "</span></b>" +
                       text.mid(wordStart + wordLength).toHtmlEscaped());
  }
  setAccessibleName(text);
  textLabel->setAccessibleName(text);
  adjustSize();
}

void BalloonWindow::placeBeside(const QRect& character) {
  const QScreen* screen = QGuiApplication::screenAt(character.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect room = screen ? screen->availableGeometry() : QRect(character.topLeft(), size());
  int x = character.center().x() - width() / 2;
  x = std::clamp(x, room.left(), std::max(room.left(), room.right() - width() + 1));
  const int above = character.top() - height();
  const bool down = above >= room.top();
  move(x, down ? above : character.bottom() + 1);
  pointTailAt(down, character.center().x() - x);
}

// The tail sits on the side facing the character, as near its middle as the corners allow.
void BalloonWindow::pointTailAt(bool down, int x) {
  tailDown_ = down;
  tailX_ = std::clamp(x, kCornerRadius + kTail, std::max(kCornerRadius + kTail,
                                                         width() - kCornerRadius - kTail));
  layout()->setContentsMargins(kPadding + 2, kPadding + (down ? 0 : kTail), kPadding + 2,
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

}  // namespace platform
