#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "essay/assignment_builder_window.h"
#include "essay/assignment_file.h"
#include "essay/workspace_window.h"
#include "essay/quillora.h"
#include "platform/files/locations.h"
#include "shared/reg_settings.h"
#include "support/fixture.h"

namespace {

using essay::AssignmentBuilderWindow;
using essay::WorkspaceWindow;
using testing_support::PromptKind;

// The outline the tests type, and the file the builder writes for it (no name yet, no paragraphs).
const QByteArray kTypedFile =
    "``Theme/Main Question-   Why keep a garden?\r\n`Introduction-   Gardens teach patience\r\n`"
    "Main Idea #1-   Food\r\n@Tomatoes\r\n@Beans\r\n@\r\n@\r\n`Main Idea #2-   \r\n@\r\n@\r\n@\r\n@\r\n"
    "`Main Idea #3-   Birds\r\n@Songs\r\n@\r\n@\r\n@\r\n`Conclusion-   Grow something``````\r\n";

class BuilderTest : public testing_support::RuntimeTest {
 protected:
  BuilderTest() { quillora.store.IsWinNT = true; }

  AssignmentBuilderWindow& b() {
    AssignmentBuilderWindow& window = quillora.forms().get<AssignmentBuilderWindow>();
    if (!window.isVisible()) window.Show();
    return window;
  }

  void typeOutline() {
    QTest::keyClicks(b().themeBox, "Why keep a garden?");  // replaces the selected prompt
    QTest::keyClicks(b().introductionBox, "Gardens teach patience");
    QTest::keyClicks(b().mainIdeaBoxes[0], "Food");
    QTest::keyClicks(b().detailBoxes[0][0], "Tomatoes");
    QTest::keyClicks(b().detailBoxes[0][1], "Beans");
    QTest::keyClicks(b().mainIdeaBoxes[2], "Birds");
    QTest::keyClicks(b().detailBoxes[2][0], "Songs");
    QTest::keyClicks(b().conclusionBox, "Grow something");
  }

  QString path(const QString& name) { return testing_support::testRoot() + "/" + name; }
  std::vector<testing_support::Prompt> messages() { return interaction->prompts(PromptKind::MessageBox); }

  essay::Quillora quillora{*runtime};
};

TEST_F(BuilderTest, TypedOutlineIsSavedReopenedAndHandedToTheWorkspace) {
  typeOutline();
  const QString saved = path("garden.ql");
  interaction->answerSave(saved);
  b().saveButton->click();
  EXPECT_EQ(kTypedFile, readFile(saved));
  EXPECT_EQ(1, quillora.store.BuilderSaved);
  const auto dialog = interaction->prompts(PromptKind::SaveDialog).front().request;
  EXPECT_EQ("Save As...", dialog.DialogTitle);
  EXPECT_EQ("Quillora File (*.ql)|*.ql", dialog.Filter);

  // Cleared and opened again: the first open of the window asks nothing.
  interaction->answerMessage(platform::vbYes);
  b().clearAllButton->click();
  EXPECT_EQ("", b().conclusionBox->Text());
  EXPECT_EQ("Type the Main Idea or Theme of Your Essay Here...", b().themeBox->SelText());
  interaction->answerOpen(saved);
  b().openButton->click();
  EXPECT_EQ("Why keep a garden?", b().themeBox->Text());
  EXPECT_EQ("Beans", b().detailBoxes[0][1]->Text());
  EXPECT_EQ("Songs", b().detailBoxes[2][0]->Text());
  EXPECT_EQ("Grow something", b().conclusionBox->Text());
  EXPECT_TRUE(quillora.store.NamedAssignment);
  EXPECT_EQ(saved, shared::GetRegSetting(runtime->registry(), "Quillora", "Setting", "OpenPath", ""));

  // Saved, so no save question; the workspace asks the name the file lacks.
  const std::size_t shown = messages().size();
  interaction->answerInput("Ana Lima");
  b().useOutlineButton->click();
  processEvents();
  EXPECT_FALSE(quillora.forms().isLoaded<AssignmentBuilderWindow>());
  ASSERT_TRUE(quillora.forms().isLoaded<WorkspaceWindow>());
  WorkspaceWindow& workspace = quillora.forms().get<WorkspaceWindow>();
  EXPECT_TRUE(workspace.isVisible());
  EXPECT_EQ("Quillora        garden" + QString(19, ' ') + "Ana Lima", workspace.Caption());
  EXPECT_EQ("Theme/Main Question-   Why keep a garden?\r\n", workspace.themeBox->Text());
  EXPECT_EQ("Main Idea #1-   Food\r\n@Tomatoes\r\n@Beans\r\n@\r\n@\r\n", workspace.MainIdea1Outline);
  EXPECT_EQ("Conclusion-   Grow something", quillora.store.ConclusionLine);
  EXPECT_EQ(shown, messages().size());
}

TEST_F(BuilderTest, WorkspaceFileOpenedAndSavedInTheBuilderStaysByteForByte) {
  // The workspace writes a full assignment...
  typeOutline();
  interaction->answerMessage(platform::vbNo).answerInput("Ana Lima");
  b().useOutlineButton->click();
  WorkspaceWindow& workspace = quillora.forms().get<WorkspaceWindow>();
  QTest::keyClicks(workspace.paragraphBox, "Gardens are good.");
  const QString fromWorkspace = path("workspace.ql");
  interaction->answerSave(fromWorkspace);
  workspace.saveAsAction->trigger();
  ASSERT_TRUE(QFile::exists(fromWorkspace));

  // ...which the builder opens and saves again unchanged.
  processEvents();
  interaction->answerOpen(fromWorkspace);
  b().openButton->click();
  EXPECT_EQ("Ana Lima", quillora.store.StudentName);
  EXPECT_EQ("Gardens are good.", quillora.store.IntroParagraph);
  const QString fromBuilder = path("builder.ql");
  interaction->answerSave(fromBuilder);
  b().saveButton->click();
  EXPECT_EQ(readFile(fromWorkspace), readFile(fromBuilder));
}

TEST_F(BuilderTest, WhatTheBuilderOpensAndSavesStaysApartFromTheWorkspace) {
  const auto named = [](const char* name, const char* theme) {
    return QByteArray(kTypedFile).replace(0, 2, "`" + QByteArray(name) + "`")
        .replace("garden", theme).replace("``````", "`I`M1`M2`M3`C`");
  };
  const QByteArray rain = named("Ana Lima", "rain"), snow = named("Bo Park", "snow");
  WorkspaceWindow& workspace = quillora.forms().get<WorkspaceWindow>();
  workspace.Show();
  interaction->answerOpen(writeFile("rain.ql", rain)).answerSave(path("typed.ql"));
  workspace.toolBar->click("Open");
  // Typed here, saved without the workspace's name and paragraphs; another file comes back whole.
  typeOutline();
  b().saveButton->click();
  EXPECT_EQ(kTypedFile, readFile(path("typed.ql")));
  interaction->answerOpen(writeFile("snow.ql", snow)).answerSave(path("snow2.ql"));
  b().openButton->click();
  b().saveButton->click();
  EXPECT_EQ(snow, readFile(path("snow2.ql")));
  // Cleared, the builder forgets the opened file's writing along with its outline.
  interaction->answerMessage(platform::vbYes).answerSave(path("typed2.ql"));
  b().clearAllButton->click();
  typeOutline();
  b().saveButton->click();
  EXPECT_EQ(kTypedFile, readFile(path("typed2.ql")));
  // The workspace still holds only its own.
  interaction->answerSave(path("rain2.ql"));
  workspace.toolBar->click("Save");
  EXPECT_EQ(rain, readFile(path("rain2.ql")));
}

TEST_F(BuilderTest, HandOverQuestionAndItsAnswers) {
  QTest::keyClicks(b().introductionBox, "Intro only");

  interaction->answerMessage(platform::vbCancel);
  b().useOutlineButton->click();
  const auto question = messages().front();
  EXPECT_EQ("You should save your work if you want to keep a blank copy of this assignment.", question.text);
  EXPECT_EQ(3, question.style);
  EXPECT_EQ("Quillora", question.title);
  EXPECT_TRUE(quillora.store.ThemeLine.isEmpty());
  EXPECT_FALSE(quillora.store.FromBuilder);
  EXPECT_TRUE(quillora.forms().isLoaded<AssignmentBuilderWindow>());

  // Yes saves; a cancelled save still hands over, with the prompt text as the theme.
  interaction->answerMessage(platform::vbYes).cancelSave().answerInput("Kim");
  b().useOutlineButton->click();
  EXPECT_EQ(2u, messages().size());
  EXPECT_EQ(0, quillora.store.BuilderSaved);
  EXPECT_EQ("Theme/Main Question-   Type the Main Idea or Theme of Your Essay Here...\r\n",
            quillora.store.ThemeLine);
  EXPECT_EQ("Main Idea #1-   \r\n", quillora.store.MainIdea1Line);
  EXPECT_EQ((std::array<QString, 4>{"\r\n", "\r\n", "\r\n", "\r\n"}), quillora.store.MainIdea3Details);
  EXPECT_EQ("Conclusion-   ", quillora.store.ConclusionLine);
  processEvents();
  EXPECT_FALSE(quillora.forms().isLoaded<AssignmentBuilderWindow>());
}

TEST_F(BuilderTest, AnOutlineNotStartedIsNeitherUsedSavedNorPrinted) {
  QTest::keyClicks(b().themeBox, "A theme");
  QTest::keyClicks(b().mainIdeaBoxes[1], "Main idea 2");
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK).answerMessage(platform::vbOK);
  b().useOutlineButton->click();
  b().saveButton->click();
  b().printButton->click();
  const auto boxes = messages();
  ASSERT_EQ(3u, boxes.size());
  const QString start = "You must enter a theme, an idea for an introduction and at least one main idea before you can ";
  EXPECT_EQ(start + "use this assignment.", boxes[0].text);
  EXPECT_EQ(start + "save this assignment.", boxes[1].text);
  EXPECT_EQ(start + "print this assignment.", boxes[2].text);
  for (const auto& box : boxes) EXPECT_EQ(64, box.style);
  EXPECT_TRUE(quillora.forms().isLoaded<AssignmentBuilderWindow>());
  EXPECT_FALSE(quillora.forms().isLoaded<WorkspaceWindow>());
  EXPECT_TRUE(printer->pages.empty());
}

TEST_F(BuilderTest, LoadClearAllAndHelp) {
  quillora.store.FromBuilder = true;
  quillora.store.NamedAssignment = true;
  screen->height = 768;
  EXPECT_EQ("Create An Assignment", b().Caption());
  EXPECT_FALSE(quillora.store.FromBuilder);
  EXPECT_FALSE(quillora.store.NamedAssignment);
  EXPECT_EQ(768, quillora.store.ScreenHeightPixels);
  EXPECT_EQ(12000, b().Width());
  EXPECT_EQ(8745, b().Height());
  EXPECT_EQ(0, b().themeBox->SelStart());
  EXPECT_EQ(49, b().themeBox->SelLength());

  QTest::keyClicks(b().introductionBox, "Intro");
  interaction->answerMessage(platform::vbNo);
  b().clearAllButton->click();
  EXPECT_EQ("Intro", b().introductionBox->Text());
  EXPECT_EQ("Do you want to clear all the information on this form?\r\nThe current information "
            "will be lost if it has not been saved.",
            messages().back().text);
  EXPECT_EQ(36, messages().back().style);

  interaction->answerMessage(platform::vbOK);
  b().helpButton->click();
  EXPECT_EQ(64, messages().back().style);
  EXPECT_TRUE(messages().back().text.startsWith(
      "Create an Assignment\r\rEnter your ideas for your introduction, body and supporting details"));

  b().closeButton->click();
  processEvents();
  EXPECT_FALSE(quillora.forms().isLoaded<AssignmentBuilderWindow>());
}

TEST_F(BuilderTest, ASecondOpenAsksAndTheDialogStartsWhereTheLastFileWas) {
  const QString garden = writeFile("files/essays/garden.ql", kTypedFile);
  quillora.store.FirstOpen = true;

  // No file opened yet: the dialog offers the fifth-grade sample.
  interaction->cancelOpen();
  b().openButton->click();
  auto dialogs = interaction->prompts(PromptKind::OpenDialog);
  EXPECT_EQ(platform::locations::sampleAssignmentsFolder() + "/5th Sample.ql", dialogs.back().request.FileName);
  EXPECT_EQ("Quillora Files(*.ql)|*.ql", dialogs.back().request.Filter);
  EXPECT_TRUE(quillora.store.FirstOpen);

  // A path known, first dialog of the run: two folders up. Boxes were empty, so no question.
  shared::SaveRegSetting(runtime->registry(), "Quillora", "Setting", "OpenPath", garden);
  interaction->answerOpen(garden);
  b().openButton->click();
  EXPECT_EQ(path("files/"), interaction->prompts(PromptKind::OpenDialog).back().request.InitDir);
  EXPECT_FALSE(quillora.store.FirstOpen);
  EXPECT_EQ(garden, quillora.store.BuilderFilePath);

  // Third press with an introduction: asked; No keeps the boxes.
  interaction->answerMessage(platform::vbNo);
  b().openButton->click();
  EXPECT_EQ("Do you want to open a new file?\r\nThe current information will be lost if it has "
            "not been saved.",
            messages().back().text);
  EXPECT_EQ(2u, interaction->prompts(PromptKind::OpenDialog).size());

  interaction->answerMessage(platform::vbYes).answerOpen(garden);
  b().openButton->click();
  EXPECT_EQ(garden, interaction->prompts(PromptKind::OpenDialog).back().request.FileName);
}

TEST_F(BuilderTest, UnreadableFilesAreReportedAndChangeNothing) {
  const QString garden = writeFile("garden.ql", kTypedFile);
  interaction->answerOpen(garden);
  b().openButton->click();
  const QString binary = writeFile("picture.ql", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
  for (const QString& bad : {path("missing.ql"), binary}) {
    interaction->answerMessage(platform::vbYes).answerOpen(bad).answerMessage(platform::vbOK);
    b().openButton->click();
    EXPECT_TRUE(messages().back().text.contains(bad));
    EXPECT_EQ("Food", b().mainIdeaBoxes[0]->Text());
    EXPECT_EQ(garden, quillora.store.BuilderFilePath);
    EXPECT_EQ(garden, shared::GetRegSetting(runtime->registry(), "Quillora", "Setting", "OpenPath", ""));
  }
}

TEST_F(BuilderTest, SaveAsksBeforeReplacingAndReportsWhatFails) {
  typeOutline();
  const QString precious = writeFile("precious.ql", "precious");
  const QString other = path("other.ql");

  // Declining to replace asks for another name.
  interaction->answerSave(precious).answerMessage(platform::vbNo).answerSave(other);
  b().saveButton->click();
  EXPECT_EQ("precious", readFile(precious));
  EXPECT_EQ(precious + " already exists.\r\nDo you want to replace it?", messages().back().text);
  EXPECT_EQ(kTypedFile, readFile(other));
  EXPECT_EQ(other, quillora.store.BuilderFilePath);

  // Read-only: refused. No such folder: reported. Cancel: quiet. None counts as saved.
  QFile::setPermissions(precious, QFileDevice::ReadOwner);
  interaction->answerSave(precious).answerMessage(platform::vbOK);
  b().saveButton->click();
  EXPECT_EQ(16, messages().back().style);
  EXPECT_EQ(0, quillora.store.BuilderSaved);
  EXPECT_EQ("precious", readFile(precious));

  interaction->answerSave(path("no/such/folder/x.ql")).answerMessage(platform::vbOK);
  b().saveButton->click();
  EXPECT_TRUE(messages().back().text.contains("x.ql"));
  EXPECT_EQ(0, quillora.store.BuilderSaved);

  const std::size_t shown = messages().size();
  interaction->cancelSave();
  b().saveButton->click();
  EXPECT_EQ(shown, messages().size());
  EXPECT_EQ(other, quillora.store.BuilderFilePath);

  // A backtick would shift every later field: refused before any dialog.
  const std::size_t dialogs = interaction->prompts(PromptKind::SaveDialog).size();
  QTest::keyClicks(b().detailBoxes[0][2], "`quoted`");
  interaction->answerMessage(platform::vbOK);
  b().saveButton->click();
  EXPECT_TRUE(messages().back().text.contains("`"));
  EXPECT_EQ(dialogs, interaction->prompts(PromptKind::SaveDialog).size());
}

TEST_F(BuilderTest, PrintsTheOutlineWithItsLegendAndNoSelectionChoice) {
  // The name is the opened file's: the workspace's is not the builder's.
  quillora.store.StudentName = "Lee";
  QByteArray named = kTypedFile;
  interaction->answerOpen(writeFile("named.ql", named.replace(0, 2, "`Ana Lima`"))).answerPrint();
  b().openButton->click();
  b().printButton->click();
  EXPECT_EQ(1, printer->documentsEnded);
  EXPECT_EQ(1u, printer->pages.size());
  const QString text = b().printBuffer->Text();
  EXPECT_TRUE(text.startsWith("Ana Lima\r\n\r\nWhy keep a garden?\r\n\r\n*Gardens teach patience"));
  EXPECT_TRUE(text.endsWith("-  = A detail or example in support of a main idea"));
  const auto dialog = interaction->prompts(PromptKind::PrintDialog).front().request;
  EXPECT_EQ("Print...", dialog.DialogTitle);
  EXPECT_TRUE(dialog.Flags & platform::cdlPDNoSelection);
  EXPECT_TRUE(dialog.Flags & platform::cdlPDNoPageNums);

  // Cancel prints nothing; a printer failure is told.
  interaction->cancelPrint();
  b().printButton->click();
  EXPECT_EQ(1, printer->documentsEnded);
  b().conclusionBox->setText(QString("More of the conclusion. ").repeated(400));
  printer->failAtPage = 2;
  interaction->answerPrint().answerMessage(platform::vbOK);
  b().printButton->click();
  EXPECT_TRUE(messages().back().text.contains("could not be printed"));
}

TEST_F(BuilderTest, HandOverToAnOpenWorkspaceShowsTheOutlineThere) {
  WorkspaceWindow& workspace = quillora.forms().get<WorkspaceWindow>();
  workspace.Show();
  quillora.store.StudentName = "Lee";
  typeOutline();
  interaction->answerMessage(platform::vbNo);
  b().useOutlineButton->click();
  EXPECT_FALSE(quillora.store.FromBuilder);
  EXPECT_EQ("Theme/Main Question-   Why keep a garden?\r\n", workspace.themeBox->Text());
  EXPECT_EQ(essay::kIntroduction, quillora.store.CurrentStep);
}

TEST_F(BuilderTest, HandOverToAWorkspaceHoldingAnAssignmentAsksFirst) {
  // The workspace holds an essay with a paragraph the student has not saved.
  WorkspaceWindow& workspace = quillora.forms().get<WorkspaceWindow>();
  workspace.Show();
  const QString essayFile = writeFile("rain.ql",
                                      "`Ana Lima`Theme/Main Question-   Rain\r\n`Introduction-   Rain "
                                      "matters\r\n`Main Idea #1-   Farms\r\n@\r\n@\r\n@\r\n@\r\n`"
                                      "Main Idea #2-   \r\n`Main Idea #3-   \r\n`Conclusion-   Be glad"
                                      "`Old intro.`````\r\n");
  interaction->answerOpen(essayFile);
  workspace.toolBar->click("Open");
  QTest::keyClicks(workspace.paragraphBox, "Unsaved words. ");
  const QString caption = workspace.Caption();

  // No keeps the essay, the store and the builder with its outline.
  typeOutline();
  interaction->answerMessage(platform::vbNo).answerMessage(platform::vbNo);
  b().useOutlineButton->click();
  const auto question = messages().back();
  EXPECT_EQ("The Quillora main screen already holds an assignment.\r\nDo you want to replace it "
            "with this outline? The current information will be lost if it has not been saved.",
            question.text);
  EXPECT_EQ(platform::vbYesNo | platform::vbQuestion, question.style);
  EXPECT_EQ("Quillora", question.title);
  processEvents();
  EXPECT_TRUE(quillora.forms().isLoaded<AssignmentBuilderWindow>());
  EXPECT_EQ("Gardens teach patience", b().introductionBox->Text());
  EXPECT_FALSE(quillora.store.FromBuilder);
  EXPECT_EQ("Theme/Main Question-   Rain\r\n", quillora.store.ThemeLine);
  EXPECT_EQ("Theme/Main Question-   Rain\r\n", workspace.themeBox->Text());
  EXPECT_EQ("Unsaved words. Old intro.", workspace.paragraphBox->Text());
  EXPECT_EQ(caption, workspace.Caption());

  // Yes puts the outline in its place, with none of the old paragraphs; the name stays.
  interaction->answerMessage(platform::vbNo).answerMessage(platform::vbYes);
  b().useOutlineButton->click();
  EXPECT_EQ("Theme/Main Question-   Why keep a garden?\r\n", workspace.themeBox->Text());
  EXPECT_EQ("", workspace.paragraphBox->Text());
  EXPECT_TRUE(workspace.Caption().endsWith("Ana Lima"));
  processEvents();
  EXPECT_FALSE(quillora.forms().isLoaded<AssignmentBuilderWindow>());
}

}  // namespace
