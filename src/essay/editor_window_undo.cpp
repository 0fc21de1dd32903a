// The editor's snapshots of its text, and undo and redo over them.
#include "essay/editor_window.h"

namespace essay {

void EditorWindow::onDocumentChange() {
  if (!RecordChanges) return;
  history_.record(documentBox->Text(), documentBox->SelStart());
  UpdateUndoButtons();
}

void EditorWindow::UpdateUndoButtons() {
  undoButton->setEnabled(history_.canUndo());
  redoButton->setEnabled(history_.canRedo());
  undoAction->setEnabled(undoButton->isEnabled());
  onSelectionChange();
}

void EditorWindow::Undo() {
  if (RecordChanges) {
    if (const std::optional<BoxEdit> edit = history_.undo()) applyEdit(*edit);
  }
  UpdateUndoButtons();
  documentBox->setFocus();
}

void EditorWindow::Redo() {
  if (RecordChanges) {
    if (const std::optional<BoxEdit> edit = history_.redo()) applyEdit(*edit);
  }
  UpdateUndoButtons();
  documentBox->setFocus();
}

// The box's own edit is not recorded, and the selection does not flicker about while it is made.
void EditorWindow::applyEdit(const BoxEdit& edit) {
  RecordChanges = false;
  documentBox->setSelectionHidden(true);
  documentBox->setSelStart(edit.start);
  documentBox->setSelLength(edit.length);
  documentBox->setSelText(edit.text);
  documentBox->setSelStart(edit.selStart);
  documentBox->setSelLength(edit.selLength);
  documentBox->setSelectionHidden(false);
  RecordChanges = true;
}

}  // namespace essay
