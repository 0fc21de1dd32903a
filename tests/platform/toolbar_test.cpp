#include "platform/windows/toolbar.h"

#include <QAccessible>
#include <QToolButton>
#include <gtest/gtest.h>

namespace platform {
namespace {

// The workspace toolbar: keys by position, "" for separators.
const QStringList kLayout = {"Open", "",      "Save", "Print",     "",     "Cut",
                             "Copy", "Paste", "Bold", "Italic",    "Underline",
                             "Left", "Center", "",    "Examples",  "",     "Exit"};

void fill(ToolBar& bar) {
  for (const QString& key : kLayout) {
    if (key.isEmpty()) {
      bar.addSeparatorButton();
    } else {
      bar.addButton(key, key, key == "Save" ? "Save As" : QString());
    }
  }
}

TEST(ToolBar, IndexesCountSeparators) {
  ToolBar bar;
  fill(bar);
  ASSERT_EQ(bar.count(), 17);
  for (int index = 1; index <= bar.count(); ++index) {
    const QString key = kLayout[index - 1];
    EXPECT_EQ(bar.key(index), key) << index;
    EXPECT_EQ(bar.button(index), key.isEmpty() ? nullptr : bar.button(key)) << index;
  }
  for (const int outside : {0, -1, 18}) {
    EXPECT_EQ(bar.button(outside), nullptr);
    EXPECT_EQ(bar.key(outside), "");
  }
  EXPECT_EQ(bar.button("Absent"), nullptr);
}

TEST(ToolBar, EnableByIndexAsTheFinishStepDoes) {
  ToolBar bar;
  fill(bar);
  for (int index = 1; index <= bar.count(); ++index) bar.setButtonEnabled(index, false);
  for (const int index : {4, 6, 7, 8, 9, 10, 11, 12, 13}) bar.setButtonEnabled(index, true);
  const QStringList enabled = {"Print", "Cut",       "Copy", "Paste", "Bold",
                               "Italic", "Underline", "Left", "Center"};
  for (const QString& key : kLayout) {
    if (key.isEmpty()) continue;
    EXPECT_EQ(bar.buttonEnabled(key), enabled.contains(key)) << key.toStdString();
  }
  EXPECT_FALSE(bar.buttonEnabled(2));  // a separator is never an enabled button
}

TEST(ToolBar, HiddenButtonsKeepTheirPlaces) {
  ToolBar bar;
  bar.addButton("New", "New", "Create New Assignment / View Scores");
  bar.addSeparatorButton();
  bar.addButton("Open", "Open", "Open Assignment File");
  bar.addSeparatorButton();
  bar.addButton("Print", "Print");
  bar.setButtonVisible(1, false);
  bar.setButtonVisible("Print", false);
  EXPECT_FALSE(bar.buttonVisible(1));
  EXPECT_TRUE(bar.buttonVisible(3));
  EXPECT_FALSE(bar.buttonVisible(5));
  EXPECT_EQ(bar.key(3), "Open");
}

TEST(ToolBar, ClicksReachTheHandlerByKeyOnlyWhenPressable) {
  ToolBar bar;
  fill(bar);
  QStringList clicked;
  QObject::connect(&bar, &ToolBar::ButtonClick, [&](const QString& key) { clicked << key; });
  bar.setButtonEnabled("Print", false);
  bar.setButtonVisible("Exit", false);
  for (const QString key : {"Open", "Print", "Exit", "Absent", "Save"}) bar.click(key);
  bar.button("Bold")->trigger();  // as the mouse would
  EXPECT_EQ(clicked, (QStringList{"Open", "Save", "Bold"}));
}

TEST(ToolBar, CaptionNamesThePictureButtonAndTipDescribesIt) {
  ToolBar bar;
  fill(bar);
  bar.setButtonPicture("Save", QIcon(QPixmap(16, 16)));
  EXPECT_FALSE(bar.button("Save")->icon().isNull());
  auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(bar.button("Save")));
  ASSERT_NE(button, nullptr);
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(access->text(QAccessible::Name), "Save");
  EXPECT_EQ(access->text(QAccessible::Description), "Save As");
}

}  // namespace
}  // namespace platform
