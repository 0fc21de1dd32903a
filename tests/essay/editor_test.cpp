#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "essay/worked_examples_window.h"
#include "essay/rubrics_window.h"
#include "essay/editor_window.h"
#include "essay/quillora.h"
#include "platform/system/runtime_library.h"
#include "shared/about_box.h"
#include "shared/reg_settings.h"
#include "support/fixture.h"

namespace {

using essay::EditorWindow;
using platform::RichTextBox;
using testing_support::PromptKind;
using Tri = platform::RichTextBox::Tri;

const QString kFilter = "Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf";

class EditorTest : public testing_support::RuntimeTest {
 protected:
  EditorWindow& editor() { return quillora.forms().get<EditorWindow>(); }
  RichTextBox* box() { return editor().documentBox; }

  void type(const QString& text) { QTest::keyClicks(box(), text); }
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(box(), key, modifiers);
  }
  void select(int start, int length) {
    box()->setSelStart(start);
    box()->setSelLength(length);
  }
  void undo() { editor().undoButton->click(); }
  void redo() { editor().redoButton->click(); }

  // The last message box shown.
  testing_support::Prompt lastMessage() const {
    const auto shown = interaction->prompts(PromptKind::MessageBox);
    return shown.empty() ? testing_support::Prompt{} : shown.back();
  }

  QString path(const QString& name) const { return testing_support::testRoot() + "/" + name; }

  // A box's rich text with its first `boldLength` characters bold.
  static QString richText(const QString& text, int boldLength) {
    RichTextBox source;
    source.setText(text);
    source.setSelStart(0);
    source.setSelLength(boldLength);
    source.setSelBold(true);
    return source.TextRTF();
  }

  essay::Quillora quillora{*runtime};
};

// --- Loading -------------------------------------------------------------------------------

TEST_F(EditorTest, LoadingShowsTheHandedInEssayAsTheOldestSnapshot) {
  quillora.store.EditorRTF = richText("Finished essay.", 8);
  EXPECT_TRUE(editor().isVisible());
  EXPECT_EQ("Quillora Editor", editor().Caption());
  EXPECT_EQ("Finished essay.", box()->Text());
  select(0, 8);
  EXPECT_EQ(Tri::True, box()->SelBold());
  EXPECT_EQ(1, editor().history().undoCount());
  EXPECT_FALSE(editor().undoButton->isEnabled());
  EXPECT_FALSE(editor().undoAction->isEnabled());
  EXPECT_FALSE(editor().redoButton->isEnabled());
  EXPECT_EQ(768, quillora.store.ScreenHeightPixels);
  EXPECT_EQ(12000, editor().Width());
  EXPECT_EQ(8745, editor().Height());
}

// --- Undo and redo -------------------------------------------------------------------------

TEST_F(EditorTest, TypedTextIsUndoneOneCharacterAtATimeAndRedone) {
  type("helo");
  select(2, 0);
  type("x");
  ASSERT_EQ("hexlo", box()->Text());
  EXPECT_TRUE(editor().undoButton->isEnabled());

  undo();
  EXPECT_EQ("helo", box()->Text());
  EXPECT_EQ(2, box()->SelStart());
  EXPECT_TRUE(editor().redoButton->isEnabled());
  redo();
  EXPECT_EQ("hexlo", box()->Text());
  EXPECT_EQ(3, box()->SelStart());
  EXPECT_FALSE(editor().redoButton->isEnabled());

  for (const char* expected : {"helo", "hel", "he", "h", ""}) {
    undo();
    EXPECT_EQ(expected, box()->Text());
  }
  EXPECT_FALSE(editor().undoButton->isEnabled());
  EXPECT_FALSE(editor().undoAction->isEnabled());
}

TEST_F(EditorTest, BackspaceAndDeleteAreUndoneWithTheCaretOrSelectionExpected) {
  type("hello");
  key(Qt::Key_Backspace);
  ASSERT_EQ("hell", box()->Text());
  undo();
  EXPECT_EQ("hello", box()->Text());
  EXPECT_EQ(5, box()->SelStart());
  EXPECT_EQ(0, box()->SelLength());

  type(" a big dog");
  select(8, 4);
  key(Qt::Key_Delete);
  ASSERT_EQ("hello a dog", box()->Text());
  undo();
  EXPECT_EQ("hello a big dog", box()->Text());
  EXPECT_EQ(8, box()->SelStart());
  EXPECT_EQ(4, box()->SelLength());
  redo();
  EXPECT_EQ("hello a dog", box()->Text());
}

TEST_F(EditorTest, UndoingARemovedLineBreakPutsTheCaretBehindIt) {
  type("ab");
  key(Qt::Key_Return);
  type("cd");
  select(2, 0);
  key(Qt::Key_Delete);
  ASSERT_EQ("abcd", box()->Text());
  undo();
  EXPECT_EQ("ab\r\ncd", box()->Text());
  EXPECT_EQ(4, box()->SelStart());
  EXPECT_EQ(0, box()->SelLength());
}

// The box equals the snapshot after every undo and redo, also where the change did not sit at
// the caret: typing over a selection, opening a file, replacing the whole text.
TEST_F(EditorTest, EveryUndoAndRedoLeavesTheBoxEqualToItsSnapshot) {
  const QString file = writeFile("notes.txt", "A file's text\r\non two lines");
  type("hello world");
  select(6, 5);
  type("X");
  interaction->answerOpen(file);
  editor().toolBar->click("Open");
  select(2, 0);
  type("y");
  interaction->answerMessage(platform::vbYes);
  editor().newAction->trigger();
  type("end");

  std::vector<QString> seen = {box()->Text()};
  while (editor().undoButton->isEnabled()) {
    undo();
    ASSERT_EQ(editor().history().text(), box()->Text());
    seen.push_back(box()->Text());
  }
  EXPECT_EQ("", box()->Text());
  EXPECT_NE(seen.end(), std::find(seen.begin(), seen.end(), QString("hello world")));
  EXPECT_NE(seen.end(), std::find(seen.begin(), seen.end(), QString("hello X")));
  EXPECT_NE(seen.end(), std::find(seen.begin(), seen.end(), QString("A file's text\r\non two lines")));
  EXPECT_NE(seen.end(), std::find(seen.begin(), seen.end(), QString("A yfile's text\r\non two lines")));

  while (editor().redoButton->isEnabled()) {
    redo();
    ASSERT_EQ(editor().history().text(), box()->Text());
  }
  EXPECT_EQ("end", box()->Text());
}

TEST_F(EditorTest, TypingOverASelectionIsUndoneInOneStep) {
  type("hello world");
  select(6, 5);
  type("X");
  ASSERT_EQ("hello X", box()->Text());
  undo();
  EXPECT_EQ("hello world", box()->Text());
  EXPECT_EQ(6, box()->SelStart());
  EXPECT_EQ(5, box()->SelLength());
  redo();
  EXPECT_EQ("hello X", box()->Text());
  EXPECT_EQ(7, box()->SelStart());
}

TEST_F(EditorTest, APasteIsUndoneInOneStep) {
  type("ab");
  clipboard->SetText("pasted words ");
  select(1, 0);
  editor().pasteAction->trigger();
  ASSERT_EQ("apasted words b", box()->Text());
  undo();
  EXPECT_EQ("ab", box()->Text());
  redo();
  EXPECT_EQ("apasted words b", box()->Text());
  EXPECT_EQ(1, box()->SelStart());
  EXPECT_EQ(13, box()->SelLength());
}

TEST_F(EditorTest, AFormattingChangeTakesAnUndoStepButKeepsTheText) {
  type("abc");
  select(0, 3);
  editor().toolBar->click("Bold");
  const int before = editor().history().undoCount();
  ASSERT_GT(before, 4);
  undo();
  EXPECT_EQ("abc", box()->Text());
  EXPECT_EQ(before - 1, editor().history().undoCount());
  EXPECT_TRUE(editor().redoButton->isEnabled());
}

TEST_F(EditorTest, ANewChangeAfterAnUndoForgetsTheRedo) {
  type("ab");
  undo();
  ASSERT_TRUE(editor().redoButton->isEnabled());
  type("c");
  EXPECT_FALSE(editor().redoButton->isEnabled());
  EXPECT_EQ("ac", box()->Text());
}

// --- New, Exit, help -----------------------------------------------------------------------

TEST_F(EditorTest, NewAsksBeforeDeletingAllText) {
  type("draft");
  interaction->answerMessage(platform::vbNo);
  editor().newAction->trigger();
  EXPECT_EQ("draft", box()->Text());
  EXPECT_EQ("Delete all text?", lastMessage().text);
  EXPECT_EQ(36, lastMessage().style);
  EXPECT_EQ("Quillora", lastMessage().title);

  interaction->answerMessage(platform::vbYes);
  editor().newAction->trigger();
  EXPECT_EQ("", box()->Text());
  undo();
  EXPECT_EQ("draft", box()->Text());
}

TEST_F(EditorTest, ExitAsksAndSavesNothing) {
  editor();
  interaction->answerMessage(platform::vbNo);
  editor().toolBar->click("Exit");
  EXPECT_TRUE(quillora.forms().isLoaded<EditorWindow>());
  EXPECT_EQ("Exit Editor?", lastMessage().text);
  EXPECT_EQ("Editor", lastMessage().title);
  EXPECT_EQ(36, lastMessage().style);

  interaction->answerMessage(platform::vbYes);
  editor().exitAction->trigger();
  EXPECT_FALSE(quillora.forms().isLoaded<EditorWindow>());
}

TEST_F(EditorTest, HelpItemsShowTheirMessagesWithCarriageReturnsAlone) {
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK);
  editor().howToAction->trigger();
  editor().checklistAction->trigger();
  const auto shown = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(2u, shown.size());
  EXPECT_TRUE(shown[0].text.startsWith("Open an Assignment\r\r1. Press CTRL-O or Press the Open button.\r"));
  EXPECT_TRUE(shown[1].text.startsWith("A well written assignment will do several things.\r\r1. "));
  for (const auto& message : shown) {
    EXPECT_EQ(64, message.style);
    EXPECT_EQ("Quillora", message.title);
    EXPECT_FALSE(message.text.contains('\n'));
  }
}

TEST_F(EditorTest, HelpItemsOpenTheAboutBoxTheExamplesAndTheRubrics) {
  editor().aboutAction->trigger();
  EXPECT_TRUE(quillora.forms().isLoaded<shared::AboutBox>());

  editor().scoringRubricAction->trigger();
  EXPECT_TRUE(quillora.forms().get<essay::RubricsWindow>().isVisible());

  editor().sampleEssaysAction->trigger();
  essay::WorkedExamplesWindow& examples = quillora.forms().get<essay::WorkedExamplesWindow>();
  EXPECT_TRUE(examples.isVisible());
  examples.exampleTabs->setCurrentIndex(essay::kTabBody);
  editor().toolBar->click("Examples");
  EXPECT_EQ(essay::kTabSelect, examples.exampleTabs->currentIndex());
}

// --- Open ----------------------------------------------------------------------------------

struct StartFolderCase {
  const char* what;
  QString stored;
  QString expected;
};

class EditorStartFolderTest : public EditorTest,
                              public ::testing::WithParamInterface<StartFolderCase> {};

TEST_P(EditorStartFolderTest, TheFirstOpenStartsAboveTheStoredFilesFolder) {
  quillora.store.FirstOpen = true;
  shared::SaveRegSetting(runtime->registry(), "Quillora", "Setting", "OpenPath",
                         GetParam().stored);
  interaction->cancelOpen();
  editor().openAction->trigger();
  const auto dialogs = interaction->prompts(PromptKind::OpenDialog);
  ASSERT_EQ(1u, dialogs.size());
  EXPECT_EQ(GetParam().expected, dialogs[0].request.InitDir);
}

INSTANTIATE_TEST_SUITE_P(
    StoredPaths, EditorStartFolderTest,
    ::testing::Values(
        StartFolderCase{"two_deep", "/home/ana/Scribary Files/QL Samples/5th Sample.ql",
                        "/home/ana/Scribary Files/"},
        StartFolderCase{"one_deep", "/a/b.ql", "/"},
        StartFolderCase{"at_the_root", "/b.ql", "/"},
        StartFolderCase{"no_folder", "b.ql", ""}),
    [](const ::testing::TestParamInfo<StartFolderCase>& info) {
      return std::string(info.param.what);
    });

TEST_F(EditorTest, TheFirstOpenFallsBackOnTheLastOpenedFile) {
  quillora.store.FirstOpen = true;
  quillora.store.LastOpenedFile = "/srv/class/work/essay.ql";
  interaction->cancelOpen();
  editor().toolBar->click("Open");
  EXPECT_EQ("/srv/class/", interaction->prompts(PromptKind::OpenDialog)[0].request.InitDir);
  EXPECT_TRUE(quillora.store.FirstOpen);  // nothing was opened
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).empty());
}

TEST_F(EditorTest, OpeningARichTextFileShowsItAndItsPath) {
  quillora.store.FirstOpen = true;
  const QString file = writeFile("story.rtf", richText("Bold start, plain end.", 10).toLatin1());
  interaction->answerOpen(file);
  editor().openAction->trigger();

  EXPECT_EQ("Bold start, plain end.", box()->Text());
  select(0, 10);
  EXPECT_EQ(Tri::True, box()->SelBold());
  EXPECT_EQ("Quillora Editor   " + file, editor().Caption());
  EXPECT_FALSE(quillora.store.FirstOpen);
  const auto request = interaction->prompts(PromptKind::OpenDialog)[0].request;
  EXPECT_EQ("Open", request.DialogTitle);
  EXPECT_EQ(kFilter, request.Filter);
  EXPECT_EQ(platform::cdlOFNHideReadOnly, request.Flags);
  EXPECT_TRUE(request.CancelError);

  // Later opens keep the dialog where the student left it.
  interaction->cancelOpen();
  editor().openAction->trigger();
  EXPECT_EQ(file, interaction->prompts(PromptKind::OpenDialog)[1].request.FileName);
}

TEST_F(EditorTest, AFileThatCannotBeOpenedLeavesTheBoxAndCaption) {
  type("my work");
  const QString missing = path("gone.txt");
  const QString binary = writeFile("picture.txt", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  const std::pair<QString, QString> files[] = {
      {missing, "The file does not exist."},
      {binary, "It is not a text file or a rich-text file."}};
  for (const auto& [file, reason] : files) {
    interaction->answerOpen(file).answerMessage(platform::vbOK);
    editor().openAction->trigger();
    EXPECT_EQ("Can't open file: " + file + "\r\n\r\n" + reason, lastMessage().text);
    EXPECT_EQ(0, lastMessage().style);
    EXPECT_EQ("Quillora", lastMessage().title);
    EXPECT_EQ("my work", box()->Text());
    EXPECT_EQ("Quillora Editor", editor().Caption());
  }
}

// --- Save As -------------------------------------------------------------------------------

TEST_F(EditorTest, ABlankDocumentIsNotSaved) {
  interaction->answerMessage(platform::vbOK);
  editor().saveAsAction->trigger();
  EXPECT_EQ("Quillora Editor will not save a blank document.\r\nThis is a safety precaution to "
            "avoid overwriting an existing file with a blank one.",
            lastMessage().text);
  EXPECT_EQ(16, lastMessage().style);
  EXPECT_EQ("Quillora Editor", lastMessage().title);
  EXPECT_TRUE(interaction->prompts(PromptKind::SaveDialog).empty());
}

struct SaveCase {
  const char* what;
  QString chosen;
  int filterIndex;
  QString written;
  bool plain;
};

class EditorSaveTest : public EditorTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(EditorSaveTest, SavesPlainOrRichTextByTheNamesEnding) {
  const SaveCase& c = GetParam();
  type("Line one");
  key(Qt::Key_Return);
  type("Line two");
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  editor().documentBox->textCursor().insertImage(picture);  // left out of plain text
  interaction->answerSave(path(c.chosen), c.filterIndex);
  editor().toolBar->click("Save");

  const QByteArray bytes = readFile(path(c.written));
  if (c.plain) {
    EXPECT_EQ("Line one\r\nLine two\r\n", bytes);
  } else {
    EXPECT_TRUE(bytes.startsWith("{\\rtf")) << bytes.left(40).toStdString();
  }
  EXPECT_EQ("Quillora Editor   " + path(c.written), editor().Caption());
  const auto request = interaction->prompts(PromptKind::SaveDialog)[0].request;
  EXPECT_EQ("Save As...", request.DialogTitle);
  EXPECT_EQ(kFilter, request.Filter);
  EXPECT_EQ(platform::cdlOFNOverwritePrompt | platform::cdlOFNHideReadOnly, request.Flags);
  EXPECT_EQ("", request.FileName);
}

INSTANTIATE_TEST_SUITE_P(
    Names, EditorSaveTest,
    ::testing::Values(SaveCase{"txt", "notes.txt", 1, "notes.txt", true},
                      SaveCase{"upper_case_TXT", "notes.TXT", 2, "notes.TXT", true},
                      SaveCase{"rtf", "notes.rtf", 2, "notes.rtf", false},
                      SaveCase{"other_extension", "notes.doc", 1, "notes.doc", false},
                      SaveCase{"bare_name_text_filter", "notes", 1, "notes.txt", true},
                      SaveCase{"bare_name_rich_text_filter", "notes", 2, "notes.rtf", false}),
    [](const ::testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.what); });

TEST_F(EditorTest, AnAddedExtensionDoesNotReplaceAFileUnasked) {
  const QString existing = writeFile("notes.txt", "keep me");
  type("new text");
  interaction->answerSave(path("notes"), 1).answerMessage(platform::vbNo);
  editor().saveAsAction->trigger();
  EXPECT_EQ("keep me", readFile(existing));
  EXPECT_EQ(existing + " already exists.\r\nDo you want to replace it?", lastMessage().text);
  EXPECT_EQ("Quillora Editor", editor().Caption());

  interaction->answerSave(path("notes"), 1).answerMessage(platform::vbYes);
  editor().saveAsAction->trigger();
  EXPECT_EQ("new text\r\n", readFile(existing));
}

TEST_F(EditorTest, AFailedSaveIsReportedAndKeepsTheCaption) {
  type("text");
  for (const QString& target : {path("no such folder/a.txt"), path("no such folder/a.rtf")}) {
    interaction->answerSave(target).answerMessage(platform::vbOK);
    editor().saveAsAction->trigger();
    EXPECT_EQ(48, lastMessage().style);
    EXPECT_EQ("Quillora Editor", lastMessage().title);
    EXPECT_TRUE(lastMessage().text.startsWith("Could not save " + target + ": "));
    // There was no file there to keep.
    EXPECT_FALSE(lastMessage().text.contains("as it was")) << lastMessage().text.toStdString();
    EXPECT_EQ("Quillora Editor", editor().Caption());
    EXPECT_FALSE(QFile::exists(target));
  }
}

TEST_F(EditorTest, ACancelledSaveSaysNothing) {
  type("text");
  interaction->cancelSave();
  editor().saveAsAction->trigger();
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).empty());
  EXPECT_EQ("Quillora Editor", editor().Caption());
}

// --- Print and Font ------------------------------------------------------------------------

TEST_F(EditorTest, PrintPrintsTheWholeBoxAndOffersNoSelection) {
  type("A line to print.");
  select(2, 4);
  interaction->answerPrint();
  editor().toolBar->click("Print");
  const auto request = interaction->prompts(PromptKind::PrintDialog)[0].request;
  EXPECT_EQ("Print...", request.DialogTitle);
  EXPECT_TRUE(request.Flags & platform::cdlPDNoSelection);
  EXPECT_FALSE(request.Flags & platform::cdlPDSelection);
  EXPECT_TRUE(request.Flags & platform::cdlPDNoPageNums);
  EXPECT_EQ(1, printer->documentsEnded);
  EXPECT_EQ(1u, printer->pages.size());

  interaction->cancelPrint();
  editor().printAction->trigger();
  EXPECT_EQ(1, printer->documentsEnded);
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).empty());
}

TEST_F(EditorTest, TheFontDialogSetsTheSelectionAndItsCancelChangesNothing) {
  type("word");
  select(0, 4);
  const QString fontBefore = box()->SelFontName();
  interaction->cancelFont();
  editor().fontAction->trigger();
  EXPECT_EQ(fontBefore, box()->SelFontName());
  EXPECT_EQ(12, box()->SelFontSize());
  EXPECT_EQ(Tri::False, box()->SelBold());

  interaction->answerFont([](platform::DialogRequest& font) {
    font.FontName = "DejaVu Sans";
    font.FontSize = 20;
    font.FontBold = true;
    font.FontUnderline = true;
  });
  editor().toolBar->click("Font");
  EXPECT_EQ("DejaVu Sans", box()->SelFontName());
  EXPECT_EQ(20, box()->SelFontSize());
  EXPECT_EQ(Tri::True, box()->SelBold());
  EXPECT_EQ(Tri::True, box()->SelUnderline());
  EXPECT_EQ(Tri::False, box()->SelItalic());
  const auto request = interaction->prompts(PromptKind::FontDialog)[1].request;
  EXPECT_EQ(12, request.FontSize);
  EXPECT_EQ(259, request.Flags);
}

// --- Formatting ----------------------------------------------------------------------------

TEST_F(EditorTest, StyleButtonsMakePlainTextStyledAndMixedTextPlain) {
  type("one two");
  select(0, 3);
  editor().toolBar->click("Bold");
  editor().toolBar->click("Italic");
  editor().toolBar->click("Underline");
  EXPECT_EQ(Tri::True, box()->SelBold());
  EXPECT_EQ(Tri::True, box()->SelItalic());
  EXPECT_EQ(Tri::True, box()->SelUnderline());

  select(0, 7);
  ASSERT_EQ(Tri::Mixed, box()->SelBold());
  editor().toolBar->click("Bold");
  EXPECT_EQ(Tri::False, box()->SelBold());
}

TEST_F(EditorTest, ColourItemsAndAlignmentButtonsFormatTheSelection) {
  type("colour");
  const std::pair<QAction*, std::uint32_t> colours[] = {{editor().redAction, 0xFF},
                                                        {editor().greenAction, 0x7800},
                                                        {editor().blueAction, 0xFF0000},
                                                        {editor().blackAction, 0x0}};
  for (const auto& [item, bgr] : colours) {
    select(0, 6);
    item->trigger();
    EXPECT_EQ(platform::rtl::Color(bgr), box()->SelColor()) << item->text().toStdString();
  }

  editor().toolBar->click("Center");
  EXPECT_EQ(2, box()->SelAlignment());
  editor().toolBar->click("Left");
  EXPECT_EQ(0, box()->SelAlignment());
}

// --- Clipboard -----------------------------------------------------------------------------

TEST_F(EditorTest, CopyAndCutPutRichTextWithPlainTextBesideIt) {
  box()->setTextRTF(richText("Bold plain", 4));
  select(0, 4);
  key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(clipboard->richText.startsWith("{\\rtf"));
  EXPECT_EQ("Bold", clipboard->text);
  EXPECT_EQ("Bold plain", box()->Text());

  select(4, 6);
  key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ("Bold", box()->Text());
  EXPECT_EQ(" plain", clipboard->text);
  EXPECT_TRUE(clipboard->richText.startsWith("{\\rtf"));
  undo();
  EXPECT_EQ("Bold plain", box()->Text());
}

// With the window active, as on a desktop, the menu items' shortcuts are live.
TEST_F(EditorTest, MenuShortcutsAndTheBoxsKeysRunEachCommandOnce) {
  QApplication::setActiveWindow(&editor());
  box()->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
  type("ab");
  select(1, 0);
  clipboard->SetText("paste ");
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ("apaste b", box()->Text());
  // The box keeps its own paste key for Shift+Insert, through the same clipboard.
  key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ("apaste paste b", box()->Text());
  // Alt+Backspace is the Undo item's own shortcut: one snapshot back.
  key(Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ("apaste b", box()->Text());
}

TEST_F(EditorTest, CtrlShiftXDoesNotCut) {
  type("stay");
  select(0, 4);
  key(Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ("stay", box()->Text());
  EXPECT_EQ("", clipboard->text);
}

TEST_F(EditorTest, CopyThenPasteKeepsTheFormatting) {
  box()->setTextRTF(richText("Bold plain", 4));
  select(0, 4);
  editor().toolBar->click("Copy");
  select(10, 0);
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ("Bold plainBold", box()->Text());
  select(10, 4);
  EXPECT_EQ(Tri::True, box()->SelBold());
}

TEST_F(EditorTest, PasteTakesPlainTextAndRichTextGivenAsText) {
  type("x");
  clipboard->SetText("***from another program");
  editor().toolBar->click("Paste");
  EXPECT_EQ("x***from another program", box()->Text());

  clipboard->SetText(richText("Markup", 6));
  select(0, 0);
  editor().pasteAction->trigger();
  EXPECT_TRUE(box()->Text().startsWith("Markupx***"));
  select(0, 6);
  EXPECT_EQ(Tri::True, box()->SelBold());
}

TEST_F(EditorTest, APasteTooLargeForTheBoxIsRefusedAndNothingChanges) {
  clipboard->SetText(QString(20'001, u'x'));
  type("kept");
  interaction->answerMessage(platform::vbOK);
  editor().pasteAction->trigger();
  EXPECT_EQ("kept", box()->Text());
  EXPECT_EQ(RichTextBox::TooLargeMessage(), lastMessage().text);
}

TEST_F(EditorTest, EditMenuFollowsTheSelectionAndTheClipboard) {
  type("abc");
  EXPECT_FALSE(editor().cutAction->isEnabled());
  EXPECT_FALSE(editor().copyAction->isEnabled());
  EXPECT_FALSE(editor().pasteAction->isEnabled());
  select(0, 2);
  EXPECT_TRUE(editor().cutAction->isEnabled());
  EXPECT_TRUE(editor().copyAction->isEnabled());
  editor().copyAction->trigger();
  select(3, 0);
  EXPECT_FALSE(editor().cutAction->isEnabled());
  EXPECT_TRUE(editor().pasteAction->isEnabled());
  // The toolbar's buttons are never greyed.
  for (const char* key : {"Cut", "Copy", "Paste"}) {
    EXPECT_TRUE(editor().toolBar->buttonEnabled(key));
  }
}

TEST_F(EditorTest, RightClickShowsTheEditMenu) {
  type("abc");
  interaction->answerPopup();
  QTest::mouseClick(box()->viewport(), Qt::RightButton);
  const auto popups = interaction->prompts(PromptKind::PopupMenu);
  ASSERT_EQ(1u, popups.size());
  EXPECT_EQ("&Edit", popups[0].title);
  EXPECT_FALSE(editor().cutAction->isEnabled());

  interaction->answerPopup("Undo");
  QTest::mouseClick(box()->viewport(), Qt::RightButton);
  EXPECT_EQ("ab", box()->Text());
}

// --- Hand-over -----------------------------------------------------------------------------

struct ExportCase {
  const char* what;
  QAction* EditorWindow::*item;
  QKeySequence shortcut;
  QString program;
  QString missing;
};

class EditorExportTest : public EditorTest, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(EditorExportTest, PutsTheTextBehindTheMarkerAndStartsTheProgram) {
  const ExportCase& c = GetParam();
  box()->setTextRTF(richText("First line", 5));
  box()->setSelStart(10);
  key(Qt::Key_Return);
  type("second");
  select(0, 3);
  QAction* item = editor().*c.item;
  EXPECT_EQ(c.shortcut, item->shortcut());
  item->trigger();
  EXPECT_EQ("***First line\r\nsecond", clipboard->text);
  EXPECT_EQ("", clipboard->richText);
  EXPECT_EQ(QStringList{c.program}, shell->started);
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).empty());
}

TEST_P(EditorExportTest, AMissingProgramIsReportedAndTheTextStaysOnTheClipboard) {
  const ExportCase& c = GetParam();
  shell->available = false;
  interaction->answerMessage(platform::vbOK);
  (editor().*c.item)->trigger();
  EXPECT_EQ("***", clipboard->text);
  EXPECT_EQ(c.missing, lastMessage().text);
  EXPECT_EQ("File not found", lastMessage().title);
  EXPECT_EQ(64, lastMessage().style);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, EditorExportTest,
    ::testing::Values(
        ExportCase{"webloom", &EditorWindow::exportToWebloomAction, QKeySequence(Qt::Key_F9),
                   "webloom",
                   "Webloom.exe not located in program folder.\r\nUnable to export file.\r\nYou "
                   "may run Webloom and open this file from there."},
        ExportCase{"voxlet", &EditorWindow::exportToVoxletAction, QKeySequence(Qt::Key_F8),
                   "voxlet",
                   "Voxlet!.exe not located in program folder.  Unable to export file.\r\nYou may "
                   "run Voxlet and open this file from there."}),
    [](const ::testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.what); });

TEST_F(EditorTest, TheCloseBoxAsksExitsQuestionWhileTheEditorHoldsText) {
  editor().Show();
  box()->setText("draft");
  interaction->answerMessage(platform::vbNo).answerMessage(platform::vbYes);
  editor().close();
  EXPECT_TRUE(quillora.forms().isLoaded<EditorWindow>());
  EXPECT_EQ("draft", box()->Text());
  editor().close();
  EXPECT_FALSE(quillora.forms().isLoaded<EditorWindow>());
  EXPECT_EQ("Exit Editor?", lastMessage().text);
  EXPECT_EQ("Editor", lastMessage().title);
}

}  // namespace
