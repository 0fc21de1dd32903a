#include "platform/character/character_window.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {
constexpr Qt::WindowFlags kFloating = Qt::Tool | Qt::FramelessWindowHint |
                                      Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;

// The owl's outline in a pose.
QBitmap owlShape(const OwlPose& pose) {
  QImage owl(owlSize(), QImage::Format_ARGB32_Premultiplied);
  owl.fill(Qt::transparent);
  QPainter painter(&owl);
  paintOwl(painter, pose);
  painter.end();
  return QBitmap::fromImage(owl.createAlphaMask());
}
}  // namespace

bool CharacterWindow::canShapeWindows() { return QGuiApplication::platformName() != "offscreen"; }

CharacterWindow::CharacterWindow() : QWidget(nullptr, kFloating) {
  setObjectName("characterWindow");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName("Owl");
  setFixedSize(owlSize());
  setCursor(Qt::OpenHandCursor);
  setPose(OwlPose{});
}

void CharacterWindow::setPose(const OwlPose& pose) {
  pose_ = pose;
  if (canShapeWindows()) setMask(owlShape(pose));
  update();
}

void CharacterWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintOwl(painter, pose_);
}

void CharacterWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  heldAt_ = event->globalPosition().toPoint() - pos();
  setCursor(Qt::ClosedHandCursor);
}

void CharacterWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!heldAt_) return QWidget::mouseMoveEvent(event);
  emit draggedTo(event->globalPosition().toPoint() - *heldAt_);
}

void CharacterWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !heldAt_) return QWidget::mouseReleaseEvent(event);
  heldAt_.reset();
  setCursor(Qt::OpenHandCursor);
}

}  // namespace platform
