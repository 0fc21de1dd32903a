#include "platform/character/balloon_window.h"

#include "platform/character/character_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace platform {

namespace {
constexpr Qt::WindowFlags kFloating = Qt::Tool | Qt::FramelessWindowHint |
                                      Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
constexpr int kMaxTextWidth = 260;
constexpr int kCornerRadius = 12;
constexpr int kGap = 4;
}  // namespace

BalloonWindow::BalloonWindow() : QFrame(nullptr, kFloating), textLabel(new QLabel(this)) {
  setObjectName("balloonWindow");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setStyleSheet("#balloonWindow { background: #fffbe6; border: 2px solid #5c3a1c;"
                " border-radius: 12px; }"
                "#textLabel { color: #222222; font-size: 15px; }");
  textLabel->setObjectName("textLabel");
  textLabel->setWordWrap(true);
  textLabel->setTextFormat(Qt::RichText);
  textLabel->setMaximumWidth(kMaxTextWidth);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 8, 12, 8);
  layout->addWidget(textLabel);
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
  int y = character.top() - height() - kGap;
  if (y < room.top()) y = character.bottom() + kGap;
  x = std::clamp(x, room.left(), std::max(room.left(), room.right() - width() + 1));
  move(x, y);
}

void BalloonWindow::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  QPainterPath outline;
  outline.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
  if (CharacterWindow::canShapeWindows()) setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

}  // namespace platform
