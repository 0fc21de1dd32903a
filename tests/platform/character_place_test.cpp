#include "platform/character/character_place.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

using platform::clearPlace;
using platform::controlRects;

TEST(ClearPlaceTest, KeepsAFreePlaceAndOtherwiseTakesTheNearestFreeOne) {
  const QRect screen(0, 0, 1024, 600);
  const QSize owl(100, 100);
  const QRect button(300, 300, 80, 30);
  struct Case {
    QPoint wanted;
    QList<QRect> controls;
    QPoint place;
  };
  const Case cases[] = {
      {{100, 100}, {button}, {100, 100}},                        // free: stays
      {{200, 250}, {button}, {200, 250}},                        // touching is not covering
      {{250, 220}, {button}, {250, 200}},                        // up 20 rather than right 130
      {{370, 290}, {button}, {380, 290}},                        // right 10 rather than down 40
      {{350, 320}, {button}, {350, 330}},                        // down 10
      {{350, 320}, {button, QRect(380, 250, 300, 300)}, {280, 330}},  // into the gap between
      {{980, -40}, {}, {924, 0}},                                // into the screen
      {{300, 300}, {screen}, {300, 300}},                        // nowhere free: stays
      {{30, 30}, {QRect(0, 0, 500, 600), QRect(500, 0, 524, 80)}, {500, 80}},  // least covered
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.place, clearPlace(c.wanted, owl, c.controls, screen))
        << c.wanted.x() << "," << c.wanted.y();
  }
}

TEST(ClearPlaceTest, ControlsAreWhatTheUserClicksNotThePanelsHoldingThem) {
  QWidget window(nullptr, Qt::FramelessWindowHint);
  window.setGeometry(200, 100, 300, 300);
  auto* column = new QVBoxLayout(&window);
  auto* shown = new QPushButton("Next", &window);
  auto* hidden = new QPushButton("Back", &window);
  auto* frame = new QGroupBox("Background", &window);
  auto* option = new QRadioButton("White", frame);
  (new QVBoxLayout(frame))->addWidget(option);
  auto* text = new QTextEdit(&window);
  auto* score = new QLabel("Score", &window);
  for (QWidget* widget : {static_cast<QWidget*>(shown), static_cast<QWidget*>(hidden),
                          static_cast<QWidget*>(frame), static_cast<QWidget*>(text),
                          static_cast<QWidget*>(score)}) {
    column->addWidget(widget);
  }
  hidden->hide();
  EXPECT_TRUE(controlRects(window).isEmpty());  // nothing is covered while the window is hidden

  window.show();
  const auto onScreen = [](const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
  };
  const QList<QRect> controls = controlRects(window);
  EXPECT_EQ(4, controls.size());  // the text box counts once, with its scroll bars and page
  EXPECT_TRUE(controls.contains(onScreen(shown)));
  EXPECT_TRUE(controls.contains(onScreen(text)));
  EXPECT_FALSE(controls.contains(onScreen(frame)));
  // An option and a label are their caption, not the whole row the layout gives them, so that
  // on a crowded screen the figure may stand beside them.
  for (const QWidget* captioned : {static_cast<QWidget*>(option), static_cast<QWidget*>(score)}) {
    const QRect caption = platform::controlRect(*captioned);
    EXPECT_TRUE(controls.contains(caption));
    EXPECT_TRUE(onScreen(captioned).contains(caption));
    EXPECT_LT(caption.width(), captioned->width() / 2);
  }
}

TEST(ClearPlaceTest, AChildWindowsTitleBarCountsWithItsControls) {
  QMdiArea main;
  main.setGeometry(0, 0, 800, 600);
  auto* spelling = new QWidget;
  auto* next = new QPushButton("Next", spelling);
  next->setGeometry(10, 10, 80, 30);
  QMdiSubWindow* child = main.addSubWindow(spelling);
  child->setGeometry(50, 50, 300, 200);
  main.show();
  const QPoint titleMiddle = child->mapToGlobal(QPoint(150, 2));
  const QList<QRect> controls = controlRects(*spelling);
  EXPECT_EQ(2, controls.size());
  EXPECT_TRUE(std::any_of(controls.begin(), controls.end(),
                          [&](const QRect& control) { return control.contains(titleMiddle); }));
}

}  // namespace
