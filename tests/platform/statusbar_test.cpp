#include "platform/windows/statusbar.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "platform/system/errors.h"
#include "support/doubles.h"

namespace platform {
namespace {

using Style = StatusBar::PanelStyle;

TEST(StatusBar, PanelsByOneBasedIndex) {
  StatusBar bar;
  EXPECT_EQ(bar.addPanel(Style::Text, "Status"), 1);
  EXPECT_EQ(bar.addPanel(Style::Date), 2);
  EXPECT_EQ(bar.addPanel(Style::Time), 3);
  EXPECT_EQ(bar.panelCount(), 3);
  bar.setPanelText(1, "Reading");
  EXPECT_EQ(bar.panelText(1), "Reading");
  EXPECT_EQ(bar.panelStyle(3), Style::Time);
}

TEST(StatusBar, DateAndTimePanelsShowTheClock) {
  testing_support::FixedClock clock;
  StatusBar bar;
  bar.addPanel(Style::Text, "Status");
  bar.addPanel(Style::Date);
  bar.addPanel(Style::Time);
  bar.setClock(&clock);
  const QLocale locale;
  EXPECT_EQ(bar.panelText(2), locale.toString(clock.time.date(), QLocale::ShortFormat));
  EXPECT_EQ(bar.panelText(3), locale.toString(clock.time.time(), QLocale::ShortFormat));
  clock.time = clock.time.addSecs(3600);
  bar.refresh();
  EXPECT_EQ(bar.panelText(3), locale.toString(clock.time.time(), QLocale::ShortFormat));
  EXPECT_EQ(bar.panelText(1), "Status");
}

TEST(StatusBar, IndexOutOfRangeIsError35600) {
  StatusBar bar;
  bar.addPanel();
  for (const int index : {0, 2, -1}) {
    try {
      bar.setPanelText(index, "x");
      ADD_FAILURE() << "no error for " << index;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), 35600);
    }
    EXPECT_THROW(bar.panelText(index), RuntimeError);
  }
}

}  // namespace
}  // namespace platform
