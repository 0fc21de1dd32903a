// The workspace's edit commands, toolbar dispatch, help messages and hand-over to the editor.
#include "essay/worked_examples_window.h"
#include "essay/editor_window.h"
#include "essay/workspace_window.h"
#include "essay/workspace_texts.h"
#include "shared/about_box.h"
#include "shared/rich_edit.h"

namespace essay {
namespace {

const QList<int> kOutlineBoxNumbers = {1, 6, 7, 8, 9};
constexpr int kLeft = 0;
constexpr int kCentre = 2;

}  // namespace

void WorkspaceWindow::mnuEditCut_Click() {
  shared::CutSelection(*RichTextBox2, quillora_.runtime().clipboard());
  RichTextBox2->setFocus();
}

void WorkspaceWindow::mnuEditCopy_Click() {
  shared::CopySelection(*RichTextBox2, quillora_.runtime().clipboard());
  RichTextBox2->setFocus();
}

void WorkspaceWindow::mnuEditPaste_Click() {
  if (kOutlineBoxNumbers.contains(ActiveBox)) return;
  shared::PasteInto(*RichTextBox2, quillora_.runtime().clipboard());
  RichTextBox2->setFocus();
}

void WorkspaceWindow::mnuEditor_Click() {
  quillora_.runtime().clipboard().Clear();
  store_.EditorRTF = RichTextBox2->TextRTF();
  quillora_.forms().get<EditorWindow>().Show();
}

void WorkspaceWindow::mnuHelpExamples_Click() {
  WorkedExamplesWindow& examples = quillora_.forms().get<WorkedExamplesWindow>();
  examples.exampleTabs->setCurrentIndex(kTabSelect);
  examples.Show();
}

void WorkspaceWindow::mnuFileExit_Click() {
  if (quillora_.MsgBox(QStringLiteral("Exit Quillora?"), platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Quillora")) == platform::vbYes) {
    Unload();
  }
}

void WorkspaceWindow::tbToolBar_ButtonClick(const QString& key) {
  platform::RunToolCommand(key, {
      {"Open", [this] { OpenAssignment(); }},
      {"Save", [this] { mnuFileSaveAs_Click(); }},
      {"Print", [this] { mnuFilePrint_Click(); }},
      {"Cut", [this] { mnuEditCut_Click(); }},
      {"Copy", [this] { mnuEditCopy_Click(); }},
      {"Paste", [this] { mnuEditPaste_Click(); }},
      {"Bold", [this] { shared::ToggleBold(*RichTextBox2); }},
      {"Italic", [this] { shared::ToggleItalic(*RichTextBox2); }},
      {"Underline", [this] { shared::ToggleUnderline(*RichTextBox2); }},
      {"Left", [this] { RichTextBox2->setSelAlignment(kLeft); }},
      {"Center", [this] { RichTextBox2->setSelAlignment(kCentre); }},
      {"Examples", [this] { mnuHelpExamples_Click(); }},
      {"Exit", [this] { mnuFileExit_Click(); }},
  });
}

void WorkspaceWindow::showHelp(const QString& text, const QString& title) {
  quillora_.MsgBox(text, platform::vbInformation, title);
}

}  // namespace essay
