// The editor's clipboard commands, character and paragraph formats, and the hand-over of its
// text to Webloom and Voxlet!.
#include "essay/editor_window.h"
#include "platform/system/clipboard.h"
#include "platform/system/runtime_library.h"
#include "shared/clipboard_handover.h"
#include "shared/rich_edit.h"

namespace essay {
namespace {

const QString kWebloomMissing = QStringLiteral(
    "Webloom.exe not located in program folder.\r\nUnable to export file.\r\nYou may run Webloom "
    "and open this file from there.");
const QString kVoxletMissing = QStringLiteral(
    "Voxlet!.exe not located in program folder.  Unable to export file.\r\nYou may run Voxlet and "
    "open this file from there.");
const QString kFileNotFound = QStringLiteral("File not found");

}  // namespace

void EditorWindow::mnuEditCopy_Click() {
  shared::CopySelection(*RichTextBox1, quillora_.runtime().clipboard());
  RichTextBox1->setFocus();
}

void EditorWindow::mnuEditCut_Click() {
  shared::CutSelection(*RichTextBox1, quillora_.runtime().clipboard());
  RichTextBox1->setFocus();
}

void EditorWindow::mnuEditPaste_Click() {
  shared::PasteInto(*RichTextBox1, quillora_.runtime().clipboard());
  RichTextBox1->setFocus();
}

void EditorWindow::ToggleBold() { shared::ToggleBold(*RichTextBox1); }
void EditorWindow::ToggleItalic() { shared::ToggleItalic(*RichTextBox1); }
void EditorWindow::ToggleUnderline() { shared::ToggleUnderline(*RichTextBox1); }

void EditorWindow::setSelectionColour(std::uint32_t bgr) {
  RichTextBox1->setSelColor(platform::rtl::Color(bgr));
}

void EditorWindow::setSelectionAlignment(int alignment) { RichTextBox1->setSelAlignment(alignment); }

void EditorWindow::mnuWLMExport_Click() { handOver(QStringLiteral("webloom"), kWebloomMissing); }

void EditorWindow::mnuVoxletExport_Click() { handOver(QStringLiteral("voxlet"), kVoxletMissing); }

// The text stays on the clipboard when the program cannot start, so the student can start it
// by hand and still find the text there.
void EditorWindow::handOver(const QString& program, const QString& missingMessage) {
  RichTextBox1->setFocus();
  quillora_.runtime().clipboard().SetText(shared::HandOverText(RichTextBox1->Text()));
  if (!quillora_.runtime().shell().startSuiteProgram(program)) {
    quillora_.MsgBox(missingMessage, platform::vbInformation, kFileNotFound);
  }
}

}  // namespace essay
