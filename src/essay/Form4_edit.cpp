// The editor's clipboard commands, character and paragraph formats, and the hand-over of its
// text to Webloom and Voxlet!.
#include "essay/Form4.h"
#include "platform/clipboard.h"
#include "platform/vb.h"
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

void Form4::mnuEditCopy_Click() {
  shared::CopySelection(*RichTextBox1, quillora_.runtime().clipboard());
  RichTextBox1->setFocus();
}

void Form4::mnuEditCut_Click() {
  shared::CutSelection(*RichTextBox1, quillora_.runtime().clipboard());
  RichTextBox1->setFocus();
}

void Form4::mnuEditPaste_Click() {
  shared::PasteInto(*RichTextBox1, quillora_.runtime().clipboard());
  RichTextBox1->setFocus();
}

void Form4::ToggleBold() { shared::ToggleBold(*RichTextBox1); }
void Form4::ToggleItalic() { shared::ToggleItalic(*RichTextBox1); }
void Form4::ToggleUnderline() { shared::ToggleUnderline(*RichTextBox1); }

void Form4::setSelectionColour(std::uint32_t bgr) {
  RichTextBox1->setSelColor(platform::vb::Color(bgr));
}

void Form4::setSelectionAlignment(int alignment) { RichTextBox1->setSelAlignment(alignment); }

void Form4::mnuWLMExport_Click() { handOver(QStringLiteral("webloom"), kWebloomMissing); }

void Form4::mnuVoxletExport_Click() { handOver(QStringLiteral("voxlet"), kVoxletMissing); }

// The text stays on the clipboard when the program cannot start, so the student can start it
// by hand and still find the text there.
void Form4::handOver(const QString& program, const QString& missingMessage) {
  RichTextBox1->setFocus();
  quillora_.runtime().clipboard().SetText(shared::HandOverText(RichTextBox1->Text()));
  if (!quillora_.runtime().shell().startSuiteProgram(program)) {
    quillora_.MsgBox(missingMessage, platform::vbInformation, kFileNotFound);
  }
}

}  // namespace essay
