#include <gtest/gtest.h>

#include "essay/workspace_window.h"
#include "essay/quillora.h"
#include "platform/system/runtime_library.h"
#include "support/fixture.h"

namespace {

using essay::WorkspaceWindow;
using testing_support::PromptKind;

class WorkspaceTest : public testing_support::RuntimeTest {
 protected:
  WorkspaceWindow& workspace() { return quillora.forms().get<WorkspaceWindow>(); }
  QString stored(const char* key) {
    return runtime->userSettings().get("Quillora", "Settings", key, "none");
  }
  // Exit's question, asked twice and answered No, then Yes.
  void expectExitAskedTwice() {
    const auto asked = interaction->prompts(PromptKind::MessageBox);
    ASSERT_EQ(2u, asked.size());
    EXPECT_EQ("Exit Quillora?", asked[0].text);
    EXPECT_EQ("Quillora", asked[0].title);
    EXPECT_EQ(36, asked[0].style);
  }

  essay::Quillora quillora{*runtime};
};

TEST_F(WorkspaceTest, FirstRunOpensAtTheDefaultPlacement) {
  screen->height = 768;
  WorkspaceWindow& window = workspace();
  EXPECT_EQ(1000, window.Left());
  EXPECT_EQ(1000, window.Top());
  EXPECT_EQ(6500, window.Width());
  EXPECT_EQ(6500, window.Height());
  EXPECT_EQ(768, quillora.store.ScreenHeightPixels);
  EXPECT_EQ("Quillora", window.Caption());
}

TEST_F(WorkspaceTest, LoadLeavesTheWindowWaitingForAnAssignment) {
  WorkspaceWindow& w = workspace();
  for (platform::RichTextBox* box : {w.outlineLineBox, w.paragraphBox, w.themeBox,
                                     w.detailBoxes[0], w.detailBoxes[1], w.detailBoxes[2],
                                     w.detailBoxes[3]}) {
    EXPECT_TRUE(box->Locked()) << box->objectName().toStdString();
  }
  for (platform::RichTextBox* box : w.detailBoxes) {
    EXPECT_EQ(platform::rtl::Color(0xC0C0C0), box->BackColor());
  }
  EXPECT_EQ(platform::rtl::Color(0xC0FFFF), w.paragraphBox->BackColor());
  EXPECT_EQ("Times New Roman", w.paragraphBox->SelFontName());
  EXPECT_EQ(11, w.paragraphBox->SelFontSize());
  EXPECT_FALSE(w.editMenu->isEnabled());
  EXPECT_TRUE(w.statusBar->isHidden());
  EXPECT_TRUE(w.backgroundTile->isHidden());
  for (QPushButton* step : {w.introductionButton, w.mainIdeaButtons[0], w.mainIdeaButtons[1],
                            w.mainIdeaButtons[2], w.finishButton, w.conclusionButton,
                            w.outlineButton, w.previewButton}) {
    EXPECT_FALSE(step->isEnabled()) << step->objectName().toStdString();
  }
  EXPECT_EQ(" Main Idea #2", w.mainIdeaButtons[1]->text());
  for (int position = 1; position <= w.toolBar->count(); ++position) {
    const QString key = w.toolBar->key(position);
    if (key.isEmpty()) continue;
    const bool enabled = key == "Open" || key == "Examples" || key == "Exit";
    EXPECT_EQ(enabled, w.toolBar->buttonEnabled(position)) << key.toStdString();
  }
  EXPECT_EQ("Print", w.toolBar->key(essay::kToolPrint));
  EXPECT_EQ("Exit", w.toolBar->key(essay::kToolExit));
}

TEST_F(WorkspaceTest, UnloadEmptiesTheAssignmentAndRemembersWhereTheWindowWas) {
  WorkspaceWindow& window = workspace();
  quillora.store.StudentName = "Ana";
  quillora.store.IntroParagraph = "Once";
  quillora.store.EditorRTF = "{\\rtf1 x}";
  window.Move(2000, 1500, 9000, 7000);

  window.Unload();

  EXPECT_EQ("", quillora.store.StudentName);
  EXPECT_EQ("", quillora.store.IntroParagraph);
  EXPECT_EQ("", quillora.store.EditorRTF);
  EXPECT_EQ("2000", stored("MainLeft"));
  EXPECT_EQ("1500", stored("MainTop"));
  EXPECT_EQ("9000", stored("MainWidth"));
  EXPECT_EQ("7000", stored("MainHeight"));

  WorkspaceWindow& again = workspace();
  EXPECT_NE(&again, &window);
  EXPECT_EQ(2000, again.Left());
  EXPECT_EQ(9000, again.Width());
}

TEST_F(WorkspaceTest, MinimisedWindowLeavesTheStoredPlacementAlone) {
  WorkspaceWindow& window = workspace();
  window.Move(3000, 3000, 7000, 7000);
  window.setWindowStateValue(platform::vbMinimized);
  window.Unload();
  EXPECT_EQ("none", stored("MainLeft"));
}

TEST_F(WorkspaceTest, SmallScreenOpensMaximisedWithThePlacementAsRestoredSize) {
  runtime->userSettings().save("Quillora", "Settings", "MainLeft", "1500");
  runtime->userSettings().save("Quillora", "Settings", "MainTop", "1500");
  runtime->userSettings().save("Quillora", "Settings", "MainWidth", "9000");
  runtime->userSettings().save("Quillora", "Settings", "MainHeight", "8250");
  screen->height = 600;
  WorkspaceWindow& window = workspace();
  EXPECT_EQ(platform::vbMaximized, window.WindowState());
  window.setWindowStateValue(platform::vbNormal);
  EXPECT_EQ(9000, window.Width());
  EXPECT_EQ(8250, window.Height());
}

TEST_F(WorkspaceTest, APlacementSmallerThanTheWindowCanBeOpensWhollyOnTheScreen) {
  // Stored lower than its controls let the window be: only at its own height is it off the foot.
  runtime->userSettings().save("Quillora", "Settings", "MainTop", "5250");
  runtime->userSettings().save("Quillora", "Settings", "MainHeight", "3000");
  workspace().Show();
  // Within the frame's few pixels, which this screen adds once the window is shown.
  EXPECT_LE(workspace().frameGeometry().bottom(), screen->height + 4);
}

TEST_F(WorkspaceTest, UnreadablePlacementOpensAtTheDefaults) {
  runtime->userSettings().save("Quillora", "Settings", "MainLeft", "left");
  runtime->userSettings().save("Quillora", "Settings", "MainWidth", "-5");
  WorkspaceWindow& window = workspace();
  EXPECT_EQ(1000, window.Left());
  EXPECT_EQ(6500, window.Width());
}

TEST_F(WorkspaceTest, ExitAsksAndOnlyYesUnloads) {
  workspace();
  interaction->answerMessage(platform::vbNo).answerMessage(platform::vbYes);

  workspace().exitAction->trigger();
  EXPECT_TRUE(quillora.forms().isLoaded<WorkspaceWindow>());
  workspace().toolBar->click("Exit");
  EXPECT_FALSE(quillora.forms().isLoaded<WorkspaceWindow>());

  expectExitAskedTwice();
}

TEST_F(WorkspaceTest, TheCloseBoxAsksBeforeWritingIsLost) {
  workspace().Show();
  workspace().close();  // nothing written yet: closes at once
  EXPECT_FALSE(quillora.forms().isLoaded<WorkspaceWindow>());
  EXPECT_TRUE(interaction->prompts().empty());

  workspace().Show();
  workspace().paragraphBox->setText("My first paragraph.");
  interaction->answerMessage(platform::vbNo).answerMessage(platform::vbYes);
  workspace().close();
  EXPECT_TRUE(quillora.forms().isLoaded<WorkspaceWindow>());
  EXPECT_EQ("My first paragraph.", workspace().paragraphBox->Text());
  workspace().close();
  EXPECT_FALSE(quillora.forms().isLoaded<WorkspaceWindow>());

  expectExitAskedTwice();
}

}  // namespace
