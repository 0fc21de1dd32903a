#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "essay/worked_examples_window.h"
#include "essay/rubrics_window.h"
#include "essay/editor_window.h"
#include "essay/assignment_file.h"
#include "essay/workspace_window.h"
#include "essay/quillora.h"
#include "platform/system/runtime_library.h"
#include "shared/reg_settings.h"
#include "support/fixture.h"

namespace {

using essay::WorkspaceWindow;
using testing_support::PromptKind;

const QByteArray kGardenFile =
    "`Ana Lima`Theme/Main Question-   Why keep a garden?\r\n`Introduction-   Gardens teach "
    "patience\r\n`Main Idea #1-   Food\r\n@Tomatoes\r\n@Beans\r\n@\r\n@\r\n`Main Idea #2-   \r\n@\r\n"
    "@\r\n@\r\n@\r\n`Main Idea #3-   Birds\r\n@Songs\r\n@\r\n@\r\n@\r\n`Conclusion-   Grow something`"
    "Old intro.`Old first.``Old third.`Old end.`\r\n";

const QByteArray kOutlineOnlyFile =
    "Theme/Main Question-   Pets\r\n`Introduction-   Pets help us\r\n`Main Idea #1-   Dogs\r\n@Walks"
    "\r\n@\r\n@\r\n@\r\n`Main Idea #2-   Cats\r\n@Naps\r\n@\r\n@\r\n@\r\n`Main Idea #3-   \r\n@\r\n@\r\n@"
    "\r\n@\r\n`Conclusion-   Love them";

class WorkspaceFlowTest : public testing_support::RuntimeTest {
 protected:
  WorkspaceFlowTest() { quillora.store.IsWinNT = true; }

  WorkspaceWindow& w() {
    WorkspaceWindow& window = quillora.forms().get<WorkspaceWindow>();
    if (!window.isVisible()) window.Show();
    return window;
  }

  // Opens the file through the Open button, giving each name asked for in turn.
  QString open(const QByteArray& bytes, const QString& name = "garden.ql",
               const QStringList& studentNames = {}) {
    const QString path = writeFile(name, bytes);
    interaction->answerOpen(path);
    for (const QString& student : studentNames) interaction->answerInput(student);
    w().toolBar->click("Open");
    return path;
  }

  // Replaces the paragraph box's text by typing, as a student would.
  void retype(platform::RichTextBox* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
  }

  QString path(const QString& name) { return testing_support::testRoot() + "/" + name; }

  essay::Quillora quillora{*runtime};
};

TEST_F(WorkspaceFlowTest, OpeningAFullFileFillsTheWindowAtTheIntroduction) {
  const QString file = open(kGardenFile);

  EXPECT_TRUE(interaction->prompts(PromptKind::InputBox).empty());
  EXPECT_EQ("Quillora   garden" + QString(19, ' ') + "Ana Lima", w().Caption());
  EXPECT_EQ(essay::kIntroduction, quillora.store.CurrentStep);
  EXPECT_EQ("Old intro.", w().paragraphBox->Text());
  EXPECT_EQ("Introduction-   Gardens teach patience\r\n", w().outlineLineBox->Text());
  EXPECT_EQ("Theme/Main Question-   Why keep a garden?\r\n", w().themeBox->Text());
  EXPECT_FALSE(w().paragraphBox->Locked());
  EXPECT_TRUE(w().mainIdeaButtons[0]->isEnabled());
  EXPECT_FALSE(w().mainIdeaButtons[1]->isEnabled());  // main idea 2 has no text
  EXPECT_TRUE(w().mainIdeaButtons[2]->isEnabled());
  EXPECT_TRUE(w().toolBar->buttonEnabled(essay::kToolSave));
  EXPECT_TRUE(w().editMenu->isEnabled());
  EXPECT_EQ(file, shared::GetRegSetting(runtime->registry(), "Quillora", "Setting", "OpenPath", ""));

  const auto dialogs = interaction->prompts(PromptKind::OpenDialog);
  ASSERT_EQ(1u, dialogs.size());
  EXPECT_EQ("Open", dialogs[0].request.DialogTitle);
  EXPECT_EQ("Quillora Files(*.ql)|*.ql", dialogs[0].request.Filter);
}

TEST_F(WorkspaceFlowTest, AFileWithoutANameAsksForOneUntilGiven) {
  QByteArray nameless = kGardenFile;
  nameless.replace("`Ana Lima`", "``");
  open(nameless, "garden.ql", {"", "Zoe Park"});
  EXPECT_EQ("Zoe Park", quillora.store.StudentName);
  const auto asked = interaction->prompts(PromptKind::InputBox);
  ASSERT_EQ(2u, asked.size());
  EXPECT_EQ("Please enter your full name.", asked[0].text);
  EXPECT_EQ("Student Name", asked[0].title);
}

TEST_F(WorkspaceFlowTest, ANameTheFileCannotHoldIsRefusedAndAskedAgain) {
  QByteArray nameless = kGardenFile;
  nameless.replace("`Ana Lima`", "``");
  interaction->answerOpen(writeFile("garden.ql", nameless))
      .answerInput("Ana `Lima`")
      .answerMessage(platform::vbOK)
      .answerInput("Ana Lima");
  w().toolBar->click("Open");
  EXPECT_EQ("Ana Lima", quillora.store.StudentName);
  const auto refusals = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, refusals.size());
  EXPECT_EQ("An assignment file cannot hold the character \"`\" in a name.\r\nPlease type your name "
            "again without it.",
            refusals[0].text);
  EXPECT_EQ(platform::vbExclamation, refusals[0].style);
  EXPECT_EQ(2u, interaction->prompts(PromptKind::InputBox).size());

  // The name taken is one Save As can write.
  interaction->answerSave(path("saved.ql"));
  w().saveAsAction->trigger();
  EXPECT_TRUE(readFile(path("saved.ql")).startsWith("`Ana Lima`Theme/Main Question-   "));
}

TEST_F(WorkspaceFlowTest, AnOutlineOnlyFileAsksTheNameAndHasNoParagraphs) {
  open(kOutlineOnlyFile, "pets.ql", {"Kim"});
  EXPECT_EQ("Kim", quillora.store.StudentName);
  EXPECT_EQ("Conclusion-   Love them", quillora.store.ConclusionLine);
  EXPECT_EQ("", quillora.store.IntroParagraph);
  EXPECT_TRUE(w().mainIdeaButtons[1]->isEnabled());
  EXPECT_FALSE(w().mainIdeaButtons[2]->isEnabled());
  EXPECT_EQ("Quillora   pets" + QString(19, ' ') + "Kim", w().Caption());
}

TEST_F(WorkspaceFlowTest, EachParagraphIsKeptUnderItsStep) {
  open(kGardenFile);
  retype(w().paragraphBox, "My intro.");
  w().mainIdeaButtons[0]->click();
  EXPECT_EQ("Old first.", w().paragraphBox->Text());
  EXPECT_EQ("Tomatoes\r\n", w().detailBoxes[0]->Text());
  retype(w().paragraphBox, "Food first.");
  w().mainIdeaButtons[2]->click();
  retype(w().paragraphBox, "Birds third.");
  w().conclusionButton->click();
  EXPECT_EQ("", w().detailBoxes[0]->Text());
  retype(w().paragraphBox, "The end.");
  w().outlineButton->click();  // leaving a paragraph step for the outline stores it too

  EXPECT_EQ("My intro.", quillora.store.IntroParagraph);
  EXPECT_EQ("Food first.", quillora.store.MainIdea1Paragraph);
  EXPECT_EQ("Birds third.", quillora.store.MainIdea3Paragraph);
  EXPECT_EQ("The end.", quillora.store.ConclusionParagraph);

  w().introductionButton->click();
  EXPECT_EQ("My intro.", w().paragraphBox->Text());
}

TEST_F(WorkspaceFlowTest, WhatIsTypedIntoThePreviewIsNotKept) {
  open(kGardenFile);
  w().mainIdeaButtons[0]->click();
  retype(w().paragraphBox, "Kept.");
  w().previewButton->click();
  EXPECT_EQ("     Old intro.\r\n     Kept.\r\n     \r\n     Old third.\r\n     Old end.",
            w().paragraphBox->Text());
  EXPECT_EQ("", w().outlineLineBox->Text());
  QTest::keyClicks(w().paragraphBox, "lost");
  w().mainIdeaButtons[0]->click();
  EXPECT_EQ("Kept.", w().paragraphBox->Text());
}

TEST_F(WorkspaceFlowTest, EditingAnOutlineBoxRewritesTheStoreAtEachKey) {
  open(kGardenFile);
  w().mainIdeaButtons[0]->click();
  QTest::mouseClick(w().detailBoxes[1]->viewport(), Qt::LeftButton);
  EXPECT_EQ(platform::rtl::Color(0xC0FFFF), w().detailBoxes[1]->BackColor());
  EXPECT_FALSE(w().detailBoxes[1]->Locked());
  w().detailBoxes[1]->moveCursor(QTextCursor::Start);
  QTest::keyClicks(w().detailBoxes[1], "Corn");
  EXPECT_EQ("CornBeans\r\n", quillora.store.MainIdea1Details[1]);
  EXPECT_EQ("Main Idea #1-   Food\r\n@Tomatoes\r\n@CornBeans\r\n@\r\n@\r\n", w().MainIdea1Outline);
}

TEST_F(WorkspaceFlowTest, InsertsAreSpacedFromTheirNeighbours) {
  open(kGardenFile);
  w().mainIdeaButtons[0]->click();
  retype(w().paragraphBox, "I grow");
  // Click behind the last letter, then insert the first detail twice.
  const QRect end = w().paragraphBox->cursorRect();
  QTest::mouseClick(w().paragraphBox->viewport(), Qt::LeftButton, {}, end.center());
  EXPECT_EQ(6, w().InsertPos);
  w().insertDetailButtons[0]->click();
  EXPECT_EQ("I grow Tomatoes ", w().paragraphBox->Text());
  w().insertDetailButtons[0]->click();
  EXPECT_EQ("I grow Tomatoes Tomatoes ", w().paragraphBox->Text());
  EXPECT_EQ("Tomatoes", runtime->clipboard().GetText());
}

TEST_F(WorkspaceFlowTest, FinishBuildsTheEssayUnderTheHeading) {
  clock->time = QDateTime(QDate(2026, 3, 14), QTime(13, 5, 0));
  open(kGardenFile);
  w().conclusionButton->click();
  retype(w().paragraphBox, "New end.");
  w().finishButton->click();

  const QString indent(12, ' ');
  const QString expected = "Ana Lima\r\n3/14/26\r\n01:05 PM\r\ngarden\r\nWhy keep a garden?\r\n\r\n\r\n" +
                           indent + "Old intro.\r\n" + indent + "Old first.\r\n" + indent + "\r\n" +
                           indent + "Old third.\r\n" + indent + "New end.";
  EXPECT_EQ(expected, w().paragraphBox->Text());
  EXPECT_EQ(1, w().FinishCount);
  EXPECT_EQ(essay::kFinished, quillora.store.CurrentStep);
  EXPECT_FALSE(w().introductionButton->isEnabled());
  EXPECT_FALSE(w().previewButton->isEnabled());
  EXPECT_TRUE(w().outlineButton->isEnabled());
  EXPECT_TRUE(w().toolBar->buttonEnabled(essay::kToolBold));

  QTextCursor cursor(w().paragraphBox->document());
  EXPECT_EQ(Qt::AlignHCenter, cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
  cursor.movePosition(QTextCursor::End);
  EXPECT_NE(Qt::AlignHCenter, cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
}

TEST_F(WorkspaceFlowTest, FinishLeftAndResumedKeepsTheEditedEssay) {
  open(kGardenFile);
  w().finishButton->click();
  w().paragraphBox->moveCursor(QTextCursor::End);
  QTest::keyClicks(w().paragraphBox, " Edited.");
  const QString edited = w().paragraphBox->Text();
  w().outlineButton->click();
  w().finishButton->click();
  EXPECT_EQ(edited, w().paragraphBox->Text());
  EXPECT_EQ(2, w().FinishCount);
}

TEST_F(WorkspaceFlowTest, SavedAssignmentReadsBackToTheSameStore) {
  open(kGardenFile);
  retype(w().paragraphBox, "New intro.");
  const QString target = path("saved.ql");
  interaction->answerSave(target);
  w().toolBar->click("Save");

  QByteArray expected = kGardenFile;
  expected.replace("Old intro.", "New intro.");
  EXPECT_EQ(expected, readFile(target));
  EXPECT_EQ("Quillora   " + target + QString(19, ' ') + "Ana Lima", w().Caption());
  const auto dialog = interaction->prompts(PromptKind::SaveDialog).back();
  EXPECT_EQ("Quillora File (*.ql)|*.ql", dialog.request.Filter);

  // Opening it again needs no question: the work was saved.
  open(readFile(target), "again.ql");
  EXPECT_EQ("New intro.", quillora.store.IntroParagraph);
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).empty());
}

TEST_F(WorkspaceFlowTest, SavingTheFinishedEssayAsTextOrRichText) {
  open(kGardenFile);
  w().finishButton->click();
  const QString essayText = w().paragraphBox->Text();

  interaction->answerSave(path("essay.TXT"));
  w().saveAsAction->trigger();
  EXPECT_EQ((essayText + "\r\n").toUtf8(), readFile(path("essay.TXT")));

  interaction->answerSave(path("essay"), 2);
  w().saveAsAction->trigger();
  const QByteArray rtf = readFile(path("essay.rtf"));
  EXPECT_TRUE(rtf.startsWith("{\\rtf")) << rtf.left(40).constData();
  EXPECT_TRUE(rtf.contains("Old third."));

  // Away from the essay, the essay is still what gets saved.
  w().outlineButton->click();
  interaction->answerSave(path("later.txt"));
  w().saveAsAction->trigger();
  EXPECT_EQ((essayText + "\r\n").toUtf8(), readFile(path("later.txt")));
}

TEST_F(WorkspaceFlowTest, SaveRefusesWhatCannotBeStored) {
  open(kGardenFile);
  // A blank document.
  for (QPushButton* step : {w().introductionButton, w().mainIdeaButtons[0], w().mainIdeaButtons[2],
                            w().conclusionButton}) {
    step->click();
    retype(w().paragraphBox, "");
  }
  w().introductionButton->click();
  interaction->answerMessage(platform::vbOK);
  w().saveAsAction->trigger();
  auto boxes = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("Quillora will not save a blank document.\r\nThis is a safety precaution to avoid "
            "overwriting an existing file with a blank one.",
            boxes[0].text);
  EXPECT_EQ(16, boxes[0].style);

  // A backtick would shift every later field.
  QTest::keyClicks(w().paragraphBox, "Quote `this`");
  interaction->answerMessage(platform::vbOK);
  w().saveAsAction->trigger();
  boxes = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(2u, boxes.size());
  EXPECT_TRUE(boxes[1].text.contains("`"));
  EXPECT_TRUE(interaction->prompts(PromptKind::SaveDialog).empty());
}

TEST_F(WorkspaceFlowTest, ReplacingAFileAsksAndAFailedWriteLeavesItWhole) {
  open(kGardenFile);
  const QString target = writeFile("mine.ql", "precious");
  interaction->answerSave(target).answerMessage(platform::vbNo);
  w().saveAsAction->trigger();
  EXPECT_EQ("precious", readFile(target));
  EXPECT_EQ(target + " already exists.\r\nDo you want to replace it?",
            interaction->prompts(PromptKind::MessageBox).back().text);

  interaction->answerSave(path("no/such/folder/x.ql")).answerMessage(platform::vbOK);
  w().saveAsAction->trigger();
  EXPECT_EQ("Quillora   garden" + QString(19, ' ') + "Ana Lima", w().Caption());
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).back().text.contains("x.ql"));

  interaction->cancelSave();
  w().saveAsAction->trigger();
  EXPECT_EQ(2u, interaction->prompts(PromptKind::MessageBox).size());
}

TEST_F(WorkspaceFlowTest, AFileThatCannotBeOpenedLeavesTheWorkAsItWas) {
  open(kGardenFile);
  w().mainIdeaButtons[0]->click();
  retype(w().paragraphBox, "Unsaved work.");
  const QString caption = w().Caption();
  const QString binary = writeFile("picture.ql", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));

  for (const QString& bad : {path("missing.ql"), binary}) {
    interaction->answerMessage(platform::vbYes).answerOpen(bad).answerMessage(platform::vbOK);
    w().toolBar->click("Open");
    EXPECT_EQ(caption, w().Caption());
    EXPECT_EQ(essay::kMainIdea1, quillora.store.CurrentStep);
    EXPECT_EQ("Unsaved work.", w().paragraphBox->Text());
    EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).back().text.contains(bad));
  }
  EXPECT_EQ(path("garden.ql"),
            shared::GetRegSetting(runtime->registry(), "Quillora", "Setting", "OpenPath", ""));
}

TEST_F(WorkspaceFlowTest, CancellingOpenChangesNothing) {
  open(kGardenFile);
  w().finishButton->click();
  interaction->answerMessage(platform::vbYes).cancelOpen();
  w().toolBar->click("Open");
  EXPECT_EQ(1, w().FinishCount);
  EXPECT_EQ(essay::kFinished, quillora.store.CurrentStep);
  const auto question = interaction->prompts(PromptKind::MessageBox).front();
  EXPECT_EQ("Do you want to open a new file?\r\nThe current information will be lost if it has "
            "not been saved.",
            question.text);
  EXPECT_EQ(36, question.style);
}

TEST_F(WorkspaceFlowTest, ANewAssignmentStartsWithoutTheOldEssay) {
  open(kGardenFile);
  w().finishButton->click();
  w().outlineButton->click();
  interaction->answerMessage(platform::vbYes);
  open(kGardenFile, "second.ql");
  EXPECT_EQ(0, w().FinishCount);
  EXPECT_EQ("", w().FinishedRTF);
  EXPECT_EQ(0, w().PreviousStep);
  EXPECT_EQ("Old intro.", w().paragraphBox->Text());
  EXPECT_TRUE(w().introductionButton->isEnabled());
}

TEST_F(WorkspaceFlowTest, BuilderHandOverOpensWithoutAFile) {
  auto& store = quillora.store;
  store.FromBuilder = true;
  store.StudentName = "Lee";
  store.ThemeLine = "Theme/Main Question-   Rain\r\n";
  store.IntroLine = "Introduction-   Rain matters\r\n";
  store.MainIdea1Line = "Main Idea #1-   Farms\r\n";
  store.MainIdea1Details = {"Crops\r\n", "\r\n", "\r\n", "\r\n"};
  store.ConclusionLine = "Conclusion-   Be glad";

  WorkspaceWindow& window = w();
  EXPECT_FALSE(store.FromBuilder);
  EXPECT_EQ("Quillora        ***This file has not been named or saved***" + QString(19, ' ') + "Lee",
            window.Caption());
  EXPECT_EQ("Main Idea #1-   Farms\r\n@Crops\r\n@\r\n@\r\n@\r\n", window.MainIdea1Outline);
  EXPECT_EQ(essay::kIntroduction, store.CurrentStep);
  EXPECT_TRUE(window.toolBar->buttonEnabled(essay::kToolPaste));
}

TEST_F(WorkspaceFlowTest, PasteAfterClickingAnOutlineBoxDoesNothing) {
  open(kGardenFile);
  w().mainIdeaButtons[0]->click();
  runtime->clipboard().SetText("pasted");
  QTest::mouseClick(w().detailBoxes[0]->viewport(), Qt::LeftButton);
  w().pasteAction->trigger();
  EXPECT_EQ("Old first.", w().paragraphBox->Text());
  QTest::mouseClick(w().paragraphBox->viewport(), Qt::LeftButton);
  w().paragraphBox->moveCursor(QTextCursor::End);
  w().pasteAction->trigger();
  EXPECT_EQ("Old first.pasted", w().paragraphBox->Text());
}

TEST_F(WorkspaceFlowTest, CopyPutsRichTextWithPlainTextBeside) {
  open(kGardenFile);
  w().paragraphBox->selectAll();
  w().paragraphBox->setSelBold(true);
  QTest::keyClick(w().paragraphBox, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ("Old intro.", runtime->clipboard().GetText());
  EXPECT_TRUE(runtime->clipboard().GetRichText().startsWith("{\\rtf"));

  w().paragraphBox->moveCursor(QTextCursor::End);
  QTest::keyClick(w().paragraphBox, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ("Old intro.Old intro.", w().paragraphBox->Text());
  w().paragraphBox->selectAll();
  EXPECT_EQ(platform::RichTextBox::Tri::True, w().paragraphBox->SelBold());
}

TEST_F(WorkspaceFlowTest, BoldOnAMixedSelectionClearsIt) {
  open(kGardenFile);
  w().finishButton->click();
  auto* box = w().paragraphBox;
  box->setSelStart(0);
  box->setSelLength(3);
  box->setSelBold(true);
  box->setSelLength(8);
  EXPECT_EQ(platform::RichTextBox::Tri::Mixed, box->SelBold());
  w().toolBar->click("Bold");
  EXPECT_EQ(platform::RichTextBox::Tri::False, box->SelBold());
  w().toolBar->click("Bold");
  EXPECT_EQ(platform::RichTextBox::Tri::True, box->SelBold());
}

TEST_F(WorkspaceFlowTest, HelpMessagesAreInformation) {
  w();
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK).answerMessage(platform::vbOK);
  w().howToAction->trigger();
  w().programTipsAction->trigger();
  w().checklistAction->trigger();
  const auto boxes = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(3u, boxes.size());
  for (const auto& box : boxes) {
    EXPECT_EQ(64, box.style);
    EXPECT_EQ("Quillora", box.title);
  }
  EXPECT_TRUE(boxes[0].text.startsWith("Open an Assignment for Writing\r\r1.  Press CTRL-O"));
  EXPECT_TRUE(boxes[2].text.endsWith("spelling, punctuation, and grammar."));
}

}  // namespace

namespace {

class WorkspacePrintTest : public WorkspaceFlowTest {};

TEST_F(WorkspaceFlowTest, HelpOpensExamplesRubricsAndTheEditorWithTheEssay) {
  open(kGardenFile);
  w().finishButton->click();
  w().sampleEssaysAction->trigger();
  auto& examples = quillora.forms().get<essay::WorkedExamplesWindow>();
  EXPECT_TRUE(examples.isVisible());
  EXPECT_EQ(essay::kTabSelect, examples.exampleTabs->currentIndex());
  w().scoringRubricsAction->trigger();
  EXPECT_TRUE(quillora.forms().get<essay::RubricsWindow>().isVisible());

  w().editorAction->trigger();
  auto& editor = quillora.forms().get<essay::EditorWindow>();
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(w().paragraphBox->Text(), editor.documentBox->Text());
}

TEST_F(WorkspacePrintTest, PrintsTheWholeEssayWithoutOfferingASelection) {
  open(kGardenFile);
  w().finishButton->click();
  // Enough text for two pages between the two-inch side margins.
  w().paragraphBox->moveCursor(QTextCursor::End);
  for (int line = 0; line < 60; ++line) {
    QTest::keyClicks(w().paragraphBox, "A line of the essay.\r");
  }
  w().paragraphBox->setSelStart(0);
  w().paragraphBox->setSelLength(5);

  interaction->answerPrint();
  w().toolBar->click("Print");

  EXPECT_EQ(1, printer->documentsEnded);
  EXPECT_EQ(2u, printer->pages.size());
  const auto dialog = interaction->prompts(PromptKind::PrintDialog).front();
  EXPECT_EQ("Print...", dialog.request.DialogTitle);
  EXPECT_TRUE(dialog.request.Flags & platform::cdlPDNoSelection);
  EXPECT_FALSE(dialog.request.Flags & platform::cdlPDSelection);
}

TEST_F(WorkspacePrintTest, APrinterErrorIsReportedAndCancelIsQuiet) {
  open(kGardenFile);
  interaction->cancelPrint();
  w().printAction->trigger();
  EXPECT_TRUE(printer->pages.empty());

  w().finishButton->click();
  for (int line = 0; line < 60; ++line) QTest::keyClicks(w().paragraphBox, "A line.\r");
  printer->failAtPage = 2;
  interaction->answerPrint().answerMessage(platform::vbOK);
  w().printAction->trigger();
  const auto boxes = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_TRUE(boxes[0].text.contains("could not be printed"));
}

}  // namespace

namespace {

TEST_F(WorkspaceFlowTest, FunctionKeysReachTheHelpMenu) {
  open(kGardenFile);
  w().activateWindow();
  QApplication::setActiveWindow(&w());
  interaction->answerMessage(platform::vbOK);
  QTest::keyClick(&w(), Qt::Key_F5);
  ASSERT_EQ(1u, interaction->prompts(PromptKind::MessageBox).size());
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox)[0].text.startsWith(
      "A well written assignment will do several things."));
  QTest::keyClick(&w(), Qt::Key_F12);
  EXPECT_TRUE(quillora.forms().get<essay::EditorWindow>().isVisible());
}

}  // namespace
