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

void EditorWindow::onCopy() {
  shared::CopySelection(*documentBox, quillora_.runtime().clipboard());
  documentBox->setFocus();
}

void EditorWindow::onCut() {
  shared::CutSelection(*documentBox, quillora_.runtime().clipboard());
  documentBox->setFocus();
}

void EditorWindow::onPaste() {
  shared::PasteInto(*documentBox, quillora_.runtime().clipboard());
  documentBox->setFocus();
}

void EditorWindow::ToggleBold() { shared::ToggleBold(*documentBox); }
void EditorWindow::ToggleItalic() { shared::ToggleItalic(*documentBox); }
void EditorWindow::ToggleUnderline() { shared::ToggleUnderline(*documentBox); }

void EditorWindow::setSelectionColour(std::uint32_t bgr) {
  documentBox->setSelColor(platform::rtl::Color(bgr));
}

void EditorWindow::setSelectionAlignment(int alignment) { documentBox->setSelAlignment(alignment); }

void EditorWindow::onExportToWebloom() { handOver(QStringLiteral("webloom"), kWebloomMissing); }

void EditorWindow::onExportToVoxlet() { handOver(QStringLiteral("voxlet"), kVoxletMissing); }

// The text stays on the clipboard when the program cannot start, so the student can start it
// by hand and still find the text there.
void EditorWindow::handOver(const QString& program, const QString& missingMessage) {
  documentBox->setFocus();
  quillora_.runtime().clipboard().SetText(shared::HandOverText(documentBox->Text()));
  if (!quillora_.runtime().shell().startSuiteProgram(program)) {
    quillora_.MsgBox(missingMessage, platform::vbInformation, kFileNotFound);
  }
}

}  // namespace essay
