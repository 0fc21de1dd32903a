#include "platform/windows/picture_button.h"

#include <QPainter>

namespace platform {
namespace {

// Raised: light above and left, shadow below and right; sunken the other way round. Filled
// lines, so that nothing is blended.
void bevel(QPainter& painter, const QRect& area, const QColor& topLeft, const QColor& bottomRight) {
  painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), topLeft);
  painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), topLeft);
  painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), bottomRight);
  painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), bottomRight);
}

void dottedFrame(QPainter& painter, const QRect& area, const QColor& colour) {
  for (int x = area.left(); x <= area.right(); x += 2) {
    painter.fillRect(QRect(x, area.top(), 1, 1), colour);
    painter.fillRect(QRect(x, area.bottom(), 1, 1), colour);
  }
  for (int y = area.top(); y <= area.bottom(); y += 2) {
    painter.fillRect(QRect(area.left(), y, 1, 1), colour);
    painter.fillRect(QRect(area.right(), y, 1, 1), colour);
  }
}

}  // namespace

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QPalette& colours = palette();
  const QRect area = rect();
  const bool pressed = isDown() || isChecked();
  painter.fillRect(area, colours.button().color());
  if (pressed) {
    bevel(painter, area, colours.shadow().color(), colours.light().color());
    bevel(painter, area.adjusted(1, 1, -1, -1), colours.dark().color(), colours.midlight().color());
  } else {
    bevel(painter, area, colours.light().color(), colours.shadow().color());
    bevel(painter, area.adjusted(1, 1, -1, -1), colours.midlight().color(), colours.dark().color());
  }
  QRect picture(QPoint(), iconSize());
  picture.moveCenter(area.center());
  if (pressed) picture.translate(1, 1);
  icon().paint(&painter, picture, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
  if (hasFocus()) dottedFrame(painter, area.adjusted(4, 4, -4, -4), colours.windowText().color());
}

}  // namespace platform
