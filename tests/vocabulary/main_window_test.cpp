#include <QMdiSubWindow>
#include <QMenu>
#include <gtest/gtest.h>

#include "lexorama_fixture.h"
#include "vocabulary/main_window.h"
#include "vocabulary/multiple_choice_window.h"
#include "vocabulary/password_check.h"
#include "vocabulary/password_dialog.h"
#include "vocabulary/vocabulary_about_box.h"
#include "vocabulary/word_list_editor_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::LexoramaTest;
using vocabulary_testing::PromptKind;

class MainWindowTest : public LexoramaTest {
 protected:
  // The main window as the user meets it: drawn, with the setup window that follows it.
  MainWindow& main() {
    MainWindow& window = lexorama.forms().get<MainWindow>();
    letWindowsDraw();
    return window;
  }
  void installPasswordCheck(const QByteArray& value = "395\r\n") {
    QFile file(PasswordCheckFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(value);
  }
  void openClassList() {
    writeNameLists();
    open(writeWordList("Week 3.txt", 6));
  }
  QString helpText() {
    interaction->answerMessage(platform::vbOK);
    main().toolBar->click("Help");
    return messages().back().text;
  }
};

TEST_F(MainWindowTest, StartsWithTheSetupWindowInsideItAndThePasswordDialogReady) {
  lexorama.runtime().userSettings().save("Lexorama", "Settings", "MainLeft", "1500");
  lexorama.runtime().userSettings().save("Lexorama", "Settings", "MainTop", "900");
  // The main window is drawn before the setup window is made, so that it shows at once.
  lexorama.forms().get<MainWindow>();
  EXPECT_FALSE(lexorama.forms().isLoaded<PracticeSetupWindow>());
  MainWindow& window = main();
  EXPECT_EQ("Lexorama", window.Caption());
  EXPECT_EQ(12075, window.Width());
  EXPECT_EQ(8745, window.Height());
  EXPECT_EQ(1500, window.Left());
  EXPECT_EQ(768, lexorama.practice.ScreenHeightPixels);
  EXPECT_EQ(&setup(), window.childArea->activeChild());
  EXPECT_TRUE(setup().isVisible());
  EXPECT_TRUE(lexorama.forms().isLoaded<PasswordDialog>());
  EXPECT_FALSE(lexorama.forms().get<PasswordDialog>().isVisible());
  EXPECT_EQ(2, lexorama.practice.LoginMode);
  // Without the password check file there are no teacher entries.
  EXPECT_FALSE(window.teacherMenu->menuAction()->isVisible());
}

TEST_F(MainWindowTest, OnASmallScreenItFillsTheScreen) {
  screen->height = 600;
  EXPECT_EQ(platform::vbMaximized, main().WindowState());
}

TEST_F(MainWindowTest, ScoresShowsTheSummaryAndExitShowsItAgainAndClosesEverything) {
  lexorama.practice.Scores = {85, 90, 70, 75, 80, 100};
  interaction->answerMessage(platform::vbOK);
  main().scoresAction->trigger();
  EXPECT_EQ("Scores", messages().back().title);
  EXPECT_EQ(platform::vbInformation, messages().back().style);
  EXPECT_TRUE(messages().back().text.contains("Average          =83\r\n"));
  EXPECT_EQ(" ?", lexorama.practice.SpellingMark);

  main().Move(2250, 1200, 12075, 8745);
  interaction->answerMessage(platform::vbOK);
  main().exitAction->trigger();
  EXPECT_TRUE(messages().back().text.contains("Average          =83.3333333333333\r\n"));
  EXPECT_TRUE(lexorama.forms().loaded().isEmpty());
  EXPECT_EQ("2250", runtime->userSettings().get("Lexorama", "Settings", "MainLeft", ""));
}

TEST_F(MainWindowTest, TheStudyGuideNeedsAListAndPrintsIt) {
  interaction->answerMessage(platform::vbOK);
  main().printStudyGuideAction->trigger();
  EXPECT_EQ("You must open a file in Step 3 to print a Study Guide.", messages().back().text);
  EXPECT_TRUE(printer->pages.empty());

  openClassList();
  interaction->answerPrint().answerMessage(platform::vbOK);
  main().printStudyGuideAction->trigger();
  EXPECT_EQ(1u, printer->pages.size());
  EXPECT_EQ("Study Guide printed.", messages().back().text);
  EXPECT_TRUE(setup().studyGuideBox->Text().isEmpty());

  interaction->cancelPrint();
  main().printStudyGuideAction->trigger();
  EXPECT_EQ(1, printer->documentsEnded);
}

TEST_F(MainWindowTest, TeacherEntriesNeedAnOpenListThenAskForThePassword) {
  installPasswordCheck();
  EXPECT_TRUE(main().teacherMenu->menuAction()->isVisible());
  interaction->answerMessage(platform::vbOK);
  main().createAssignmentAction->trigger();
  EXPECT_EQ("You must first select an assignment file in Step 3.", messages().back().text);
  EXPECT_FALSE(lexorama.forms().get<PasswordDialog>().isVisible());

  openClassList();
  main().createAssignmentAction->trigger();
  PasswordDialog& dialog = lexorama.forms().get<PasswordDialog>();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.passwordBox->isVisible());
  EXPECT_FALSE(dialog.userNameBox->isVisible());
  EXPECT_EQ("Assignment", lexorama.practice.LoginTarget);
  EXPECT_EQ("395", lexorama.practice.PasswordValue);
}

TEST_F(MainWindowTest, HelpExplainsTheWindowInFront) {
  EXPECT_TRUE(helpText().startsWith("STUDENTS...\r\nFollow the steps in order."));
  installPasswordCheck();
  lexorama.forms().unload<MainWindow>();
  processEvents();
  EXPECT_TRUE(helpText().startsWith("STUDENTS WORKING AT HOME...\r\n"));
  lexorama.forms().get<WordListEditorWindow>().Show();
  EXPECT_TRUE(helpText().startsWith("Type your word followed by a forward slash"));
  lexorama.forms().unload<WordListEditorWindow>();
  lexorama.forms().unload<PracticeSetupWindow>();
  processEvents();
  EXPECT_EQ("Lexorama!", helpText());
}

TEST_F(MainWindowTest, ToolbarOpenOpensAListFromTheSetupWindowOrBringsItBack) {
  main();
  interaction->cancelOpen();
  main().toolBar->click("Open");
  EXPECT_EQ(1u, interaction->prompts(PromptKind::OpenDialog).size());

  setup().cancelButton->click();
  processEvents();
  main().toolBar->click("Open");
  EXPECT_TRUE(setup().isVisible());
  EXPECT_EQ(1u, interaction->prompts(PromptKind::OpenDialog).size());
}

TEST_F(MainWindowTest, OkBringsTheOpenActivityForwardAndItsTitleNamesTheStudentChosenSince) {
  platform::ChildArea& area = *main().childArea;
  openClassList();
  choose(setup().teacherBox, "Ms Hale");
  choose(setup().studentBox, "Ortiz, Ana");
  setup().okButton->click();
  MultipleChoiceWindow& activity = lexorama.forms().get<MultipleChoiceWindow>();
  EXPECT_EQ(&activity, area.activeChild());

  // The student clicks the setup window, which comes in front of the activity.
  area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(setup().parentWidget()));
  ASSERT_EQ(&setup(), area.activeChild());
  choose(setup().studentBox, "Brook, Sam");
  EXPECT_EQ("MultipleChoice     Week 3     Ms Hale     Brook, Sam", activity.Caption());
  setup().okButton->click();
  EXPECT_EQ(&activity, area.activeChild());
}

TEST_F(MainWindowTest, GettingStartedAndTheAboutBoxTellHowToBegin) {
  interaction->answerMessage(platform::vbOK);
  main().gettingStartedAction->trigger();
  EXPECT_EQ("Getting Started", messages().back().title);
  EXPECT_TRUE(messages().back().text.startsWith("1. To see how the program works go to Step 3"));
  EXPECT_TRUE(messages().back().text.endsWith("under the Teacher > Edit Class Info menu item."));

  main().aboutAction->trigger();
  main().aboutAction->trigger();
  VocabularyAboutBox& about = lexorama.forms().get<VocabularyAboutBox>();
  EXPECT_EQ("About Lexorama", about.Caption());
  EXPECT_EQ("Lexorama", about.titleLabel->text());
  EXPECT_TRUE(about.descriptionLabel->text().startsWith("Lexorama is designed to provide"));
  EXPECT_EQ("Getting Started...", about.systemInfoButton->text());
  interaction->answerMessage(platform::vbOK);
  about.systemInfoButton->click();
  EXPECT_EQ(messages().front().text, messages().back().text);
  EXPECT_TRUE(shell->started.isEmpty());
  about.okButton->click();
  EXPECT_FALSE(lexorama.forms().isLoaded<VocabularyAboutBox>());
}

}  // namespace
