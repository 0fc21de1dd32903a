#include <QApplication>
#include <QImage>
#include <QProxyStyle>
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

// The application's style, counting the standard pictures it is asked to make.
class CountingStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override {
    ++made;
    return QProxyStyle::standardIcon(which, option, widget);
  }
  mutable int made = 0;
};

TEST(StandardPictureWhenDrawn, IsTheStylesPictureReadOnlyWhenFirstDrawn) {
  CountingStyle style;
  const QIcon picture = platform::StandardPictureWhenDrawn(style, QStyle::SP_DialogOpenButton);
  // A text-only toolbar button asks whether it has a picture at every drawing.
  EXPECT_FALSE(picture.isNull());
  EXPECT_EQ(style.made, 0);

  const QIcon expected = style.standardIcon(QStyle::SP_DialogOpenButton);
  style.made = 0;
  EXPECT_EQ(picture.pixmap(24, QIcon::Normal).toImage(),
            expected.pixmap(24, QIcon::Normal).toImage());
  EXPECT_EQ(picture.pixmap(16, QIcon::Disabled).toImage(),
            expected.pixmap(16, QIcon::Disabled).toImage());
  EXPECT_EQ(picture.availableSizes(), expected.availableSizes());
  EXPECT_EQ(style.made, 1);
}

}  // namespace
