#include <QTest>
#include <gtest/gtest.h>

#include "essay/worked_examples_window.h"
#include "essay/rubrics_window.h"
#include "essay/editor_window.h"
#include "essay/assignment_builder_window.h"
#include "essay/start_window.h"
#include "essay/workspace_window.h"
#include "essay/quillora.h"
#include "support/fixture.h"

namespace {

using essay::StartWindow;

class StartWindowTest : public testing_support::RuntimeTest {
 protected:
  StartWindow& start() {
    StartWindow& window = quillora.forms().get<StartWindow>();
    if (!window.isVisible()) window.Show();
    return window;
  }
  QString stored(const char* key) {
    return runtime->userSettings().get("Quillora", "Settings", key, "none");
  }
  essay::Quillora quillora{*runtime};
};

TEST_F(StartWindowTest, LoadPreparesTheRunAndKnowsTheSystemFamily) {
  quillora.osVersion = [] { return platform::OsVersionInfo{1, 4, 10, 2222}; };
  start();
  EXPECT_TRUE(quillora.store.FirstOpen);
  EXPECT_FALSE(quillora.store.IsWinNT);
  EXPECT_EQ(768, quillora.store.ScreenHeightPixels);
  EXPECT_EQ(12000, start().Width());
  EXPECT_EQ(8745, start().Height());
  EXPECT_EQ("Quillora", start().Caption());
  EXPECT_EQ("Open and Write An Assignment...", start().workspaceButton->toolTip());
  EXPECT_EQ("Open An Assignment...", start().workspaceButton->accessibleName());
}

TEST_F(StartWindowTest, OnNtFamilySystemsIsWinNtIsTrue) {
  quillora.osVersion = [] { return platform::OsVersionInfo{2, 6, 1, 0}; };
  start();
  EXPECT_TRUE(quillora.store.IsWinNT);
}

TEST_F(StartWindowTest, ClosingItClosesEveryWindowAndKeepsItsOwnPlacement) {
  start().workspaceButton->click();
  auto& workspace = quillora.forms().get<essay::WorkspaceWindow>();
  workspace.Move(3000, 3000, 9000, 7500);
  start().Move(1500, 750, 12000, 8745);

  start().close();

  EXPECT_TRUE(quillora.forms().loaded().isEmpty());
  EXPECT_EQ("1500", stored("MainLeft"));
  EXPECT_EQ("750", stored("MainTop"));
  EXPECT_EQ("12000", stored("MainWidth"));
  EXPECT_EQ("8745", stored("MainHeight"));
  // The next workspace opens where the start screen was.
  EXPECT_EQ(1500, quillora.forms().get<essay::WorkspaceWindow>().Left());
}

TEST_F(StartWindowTest, TheCloseBoxAsksWhileTheWorkspaceOrTheEditorHoldsWriting) {
  const std::function<void()> writings[] = {
      [this] {
        start().workspaceButton->click();
        quillora.forms().get<essay::WorkspaceWindow>().paragraphBox->setText("My paragraph.");
      },
      [this] {
        start().editorButton->click();
        QTest::keyClicks(quillora.forms().get<essay::EditorWindow>().documentBox, "Notes");
      }};
  for (const auto& write : writings) {
    write();
    interaction->answerMessage(platform::vbNo).answerMessage(platform::vbYes);
    start().close();
    EXPECT_EQ(2, quillora.forms().loaded().size());
    EXPECT_EQ("Exit Quillora?", interaction->prompts().back().text);
    start().close();
    EXPECT_TRUE(quillora.forms().loaded().isEmpty());
  }
}

TEST_F(StartWindowTest, AMinimisedStartScreenLeavesTheWorkspacePlacement) {
  start().workspaceButton->click();
  quillora.forms().get<essay::WorkspaceWindow>().Move(3000, 1500, 9000, 7500);
  start().setWindowStateValue(platform::vbMinimized);
  start().Unload();
  EXPECT_EQ("3000", stored("MainLeft"));
}

TEST_F(StartWindowTest, TheQuestionIsUnderlinedOnlyOnceAfterLeavingTheBackground) {
  StartWindow& window = start();
  const auto moveOver = [](QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
  };
  moveOver(window.questionLabel);
  EXPECT_TRUE(window.questionLabel->font().underline());
  moveOver(window.centralWidget());
  EXPECT_FALSE(window.questionLabel->font().underline());
  moveOver(window.questionLabel);
  moveOver(window.questionLabel);  // still underlined: only the background takes it away
  EXPECT_TRUE(window.questionLabel->font().underline());
}

TEST_F(StartWindowTest, GettingStartedNamesTheFolderOnThisMachine) {
  const QString text = StartWindow::GettingStartedText();
  EXPECT_TRUE(text.startsWith("Getting started...\r\n\r\n1.  A good start might be"));
  EXPECT_FALSE(text.contains("C:\\"));
  EXPECT_TRUE(text.contains("Scribary Files and find QL Sample Assignments. Double-click."));
  EXPECT_TRUE(text.endsWith("from the first screen of the program."));
  EXPECT_EQ(10, text.count("\r\n") - 2);
}

TEST_F(StartWindowTest, EachButtonOpensItsWindowOnce) {
  start().builderButton->click();
  start().workspaceButton->click();
  start().editorButton->click();
  start().samplePapersButton->click();
  start().rubricsButton->click();
  EXPECT_TRUE(quillora.forms().get<essay::AssignmentBuilderWindow>().isVisible());
  EXPECT_TRUE(quillora.forms().get<essay::WorkspaceWindow>().isVisible());
  EXPECT_TRUE(quillora.forms().get<essay::EditorWindow>().isVisible());
  EXPECT_TRUE(quillora.forms().get<essay::WorkedExamplesWindow>().isVisible());
  EXPECT_TRUE(quillora.forms().get<essay::RubricsWindow>().isVisible());
  // A loaded window is brought up again, not loaded afresh.
  quillora.forms().get<essay::EditorWindow>().documentBox->setText("kept");
  start().editorButton->click();
  EXPECT_EQ("kept", quillora.forms().get<essay::EditorWindow>().documentBox->Text());
  EXPECT_EQ(6, quillora.forms().loaded().size());
}

TEST_F(StartWindowTest, TheQuestionPutsTheGettingStartedTextIntoTheEditor) {
  start().editorButton->click();
  quillora.forms().get<essay::EditorWindow>().documentBox->setText("old text");
  QTest::mouseClick(start().questionLabel, Qt::LeftButton);
  auto& editor = quillora.forms().get<essay::EditorWindow>();
  EXPECT_EQ(StartWindow::GettingStartedText(), editor.documentBox->Text());
  EXPECT_TRUE(editor.isVisible());
}

}  // namespace
