// The editor's snapshots of its text, and undo and redo over them.
#include "essay/editor_window.h"

namespace essay {

void EditorWindow::RichTextBox1_Change() {
  if (!RecordChanges) return;
  history_.record(RichTextBox1->Text(), RichTextBox1->SelStart());
  UpdateUndoButtons();
}

void EditorWindow::UpdateUndoButtons() {
  cmdUndo->setEnabled(history_.canUndo());
  cmdRedo->setEnabled(history_.canRedo());
  mnuUndo->setEnabled(cmdUndo->isEnabled());
  RichTextBox1_SelChange();
}

void EditorWindow::Undo() {
  if (RecordChanges) {
    if (const std::optional<BoxEdit> edit = history_.undo()) applyEdit(*edit);
  }
  UpdateUndoButtons();
  RichTextBox1->setFocus();
}

void EditorWindow::Redo() {
  if (RecordChanges) {
    if (const std::optional<BoxEdit> edit = history_.redo()) applyEdit(*edit);
  }
  UpdateUndoButtons();
  RichTextBox1->setFocus();
}

// The box's own edit is not recorded, and the selection does not flicker about while it is made.
void EditorWindow::applyEdit(const BoxEdit& edit) {
  RecordChanges = false;
  RichTextBox1->setSelectionHidden(true);
  RichTextBox1->setSelStart(edit.start);
  RichTextBox1->setSelLength(edit.length);
  RichTextBox1->setSelText(edit.text);
  RichTextBox1->setSelStart(edit.selStart);
  RichTextBox1->setSelLength(edit.selLength);
  RichTextBox1->setSelectionHidden(false);
  RecordChanges = true;
}

}  // namespace essay
