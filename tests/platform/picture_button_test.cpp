#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <gtest/gtest.h>

#include "platform/windows/picture_button.h"

namespace {

// A picture button showing a red square, as drawn.
QImage drawnButton(bool pressed, QPalette* colours = nullptr) {
  QImage square(16, 16, QImage::Format_ARGB32);
  square.fill(Qt::red);
  platform::PictureButton button;
  button.setIcon(QPixmap::fromImage(square));
  button.setIconSize(square.size());
  button.setFixedSize(32, 32);
  button.setDown(pressed);
  if (colours) *colours = button.palette();
  return button.grab().toImage();
}

TEST(PictureButton, ShowsItsPictureOnABevelThatSinksWhilePressed) {
  QPalette colours;
  const QImage raised = drawnButton(false, &colours);
  const QImage pressed = drawnButton(true);
  // The picture sits in the middle and moves down and right by a pixel while pressed.
  EXPECT_EQ(raised.pixelColor(8, 8), QColor(Qt::red));
  EXPECT_NE(raised.pixelColor(7, 7), QColor(Qt::red));
  EXPECT_EQ(pressed.pixelColor(9, 9), QColor(Qt::red));
  EXPECT_NE(pressed.pixelColor(8, 8), QColor(Qt::red));
  // Light above and shadow below when raised; the other way round when pressed.
  EXPECT_EQ(raised.pixel(16, 0), colours.light().color().rgb());
  EXPECT_EQ(raised.pixel(16, 31), colours.shadow().color().rgb());
  EXPECT_EQ(pressed.pixel(16, 0), colours.shadow().color().rgb());
  EXPECT_EQ(pressed.pixel(16, 31), colours.light().color().rgb());
}

}  // namespace
