#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/windows/picture.h"

namespace {

TEST(SuitePicture, ReadsAPictureByTheDecoderItsNameGives) {
  QTemporaryDir folder;
  QImage image(48, 32, QImage::Format_ARGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(folder.filePath("open.png"), "PNG"));
  const QPixmap picture = platform::SuitePicture(folder.filePath("open.png"));
  EXPECT_EQ(picture.size(), QSize(48, 32));
  EXPECT_EQ(picture.toImage().pixelColor(10, 10), QColor(Qt::red));

  // A file that is not what its name says is no picture, rather than a guess.
  ASSERT_TRUE(image.save(folder.filePath("misnamed.png"), "BMP"));
  EXPECT_TRUE(platform::SuitePicture(folder.filePath("misnamed.png")).isNull());
}

}  // namespace
