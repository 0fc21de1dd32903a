// The workspace's edit commands, toolbar dispatch, help messages and hand-over to the editor.
#include "essay/worked_examples_window.h"
#include "essay/editor_window.h"
#include "essay/workspace_window.h"
#include "essay/workspace_texts.h"
#include "shared/about_box.h"
#include "shared/rich_edit.h"

namespace essay {
namespace {

constexpr int kLeft = 0;
constexpr int kCentre = 2;

}  // namespace

void WorkspaceWindow::onCut() {
  shared::CutSelection(*paragraphBox, quillora_.runtime().clipboard());
  paragraphBox->setFocus();
}

void WorkspaceWindow::onCopy() {
  shared::CopySelection(*paragraphBox, quillora_.runtime().clipboard());
  paragraphBox->setFocus();
}

void WorkspaceWindow::onPaste() {
  if (outlineBoxes().contains(ActiveBox)) return;
  shared::PasteInto(*paragraphBox, quillora_.runtime().clipboard());
  paragraphBox->setFocus();
}

void WorkspaceWindow::onEditor() {
  quillora_.runtime().clipboard().Clear();
  store_.EditorRTF = paragraphBox->TextRTF();
  quillora_.forms().get<EditorWindow>().Show();
}

void WorkspaceWindow::onSampleEssays() {
  WorkedExamplesWindow& examples = quillora_.forms().get<WorkedExamplesWindow>();
  examples.exampleTabs->setCurrentIndex(kTabSelect);
  examples.Show();
}

void WorkspaceWindow::onExit() {
  if (quillora_.ConfirmExit()) Unload();
}

void WorkspaceWindow::onToolButton(const QString& key) {
  platform::RunToolCommand(key, {
      {"Open", [this] { OpenAssignment(); }},
      {"Save", [this] { onSaveAs(); }},
      {"Print", [this] { onPrint(); }},
      {"Cut", [this] { onCut(); }},
      {"Copy", [this] { onCopy(); }},
      {"Paste", [this] { onPaste(); }},
      {"Bold", [this] { shared::ToggleBold(*paragraphBox); }},
      {"Italic", [this] { shared::ToggleItalic(*paragraphBox); }},
      {"Underline", [this] { shared::ToggleUnderline(*paragraphBox); }},
      {"Left", [this] { paragraphBox->setSelAlignment(kLeft); }},
      {"Center", [this] { paragraphBox->setSelAlignment(kCentre); }},
      {"Examples", [this] { onSampleEssays(); }},
      {"Exit", [this] { onExit(); }},
  });
}

void WorkspaceWindow::showHelp(const QString& text, const QString& title) {
  quillora_.MsgBox(text, platform::vbInformation, title);
}

}  // namespace essay
