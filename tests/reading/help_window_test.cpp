#include "reading/help_window.h"

#include <gtest/gtest.h>

#include <QFile>

#include "platform/files/locations.h"
#include "reading/reading_window.h"
#include "support/fixture.h"

namespace {

using reading::HelpWindow;

class HelpWindowTest : public testing_support::RuntimeTest {
 protected:
  HelpWindow& help() { return voxlet.forms().get<HelpWindow>(); }
  reading::Voxlet voxlet{*runtime};
};

TEST_F(HelpWindowTest, ShowsTheHelpDocumentThatComesWithTheSuite) {
  const QString installed = qEnvironmentVariable("SCRIBARY_PROGRAM_DATA") + "/Voxlet";
  QDir().mkpath(installed);
  ASSERT_TRUE(QFile::copy(QStringLiteral(SCRIBARY_RESOURCES_DIR "/Voxlet/vxHelp.rtf"),
                          installed + "/vxHelp.rtf"));
  EXPECT_TRUE(help().helpBox->Text().startsWith("Voxlet! Help\r\n"));
  EXPECT_TRUE(help().helpBox->Text().contains("Merlin On / Merlin Off"));
  EXPECT_EQ(12000, help().Width());
  EXPECT_EQ(8745, help().Height());
}

TEST_F(HelpWindowTest, GettingStartedReplacesTheTextEvenWithoutTheDocument) {
  screen->height = 600;
  EXPECT_EQ("", help().helpBox->Text());
  EXPECT_EQ(platform::vbMaximized, help().WindowState());
  help().gettingStartedButton->click();
  help().gettingStartedButton->click();
  const QString text = help().helpBox->Text();
  EXPECT_TRUE(text.startsWith("Getting started...\r\n\r\nUsing this program is very easy.\r\n"));
  EXPECT_TRUE(text.endsWith("If Merlin gets in the way, simply turn him off."));
  EXPECT_EQ(1, text.count("Getting started..."));
  EXPECT_EQ("Additional Help Getting Started", help().gettingStartedButton->text());
}

TEST_F(HelpWindowTest, CloseUnloadsItAndTheNextTouchLoadsItAfresh) {
  help().gettingStartedButton->click();
  help().closeButton->click();
  EXPECT_FALSE(voxlet.forms().isLoaded<HelpWindow>());
  EXPECT_EQ("", help().helpBox->Text());
}

}  // namespace
