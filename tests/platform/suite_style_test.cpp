#include <QApplication>
#include <QProxyStyle>
#include <gtest/gtest.h>

#include "platform/windows/suite_style.h"

namespace {

// The desktop's style, counting the standard pictures it is asked to make.
class CountingStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override {
    ++made;
    return QProxyStyle::standardIcon(which, option, widget);
  }
  mutable int made = 0;
};

TEST(SuiteStyle, ReadsAStandardPictureOnlyWhenFirstDrawn) {
  auto* desktop = new CountingStyle;
  platform::SuiteStyle style(desktop);
  const QIcon picture = style.standardIcon(QStyle::SP_DialogOpenButton);
  // A text-only toolbar button asks whether it has a picture at every drawing.
  EXPECT_FALSE(picture.isNull());
  EXPECT_EQ(desktop->made, 0);

  const QIcon expected = desktop->standardIcon(QStyle::SP_DialogOpenButton);
  desktop->made = 0;
  EXPECT_EQ(picture.pixmap(24, QIcon::Normal).toImage(),
            expected.pixmap(24, QIcon::Normal).toImage());
  EXPECT_EQ(picture.pixmap(16, QIcon::Disabled).toImage(),
            expected.pixmap(16, QIcon::Disabled).toImage());
  EXPECT_EQ(picture.availableSizes(), expected.availableSizes());
  EXPECT_EQ(desktop->made, 1);
}

}  // namespace
