#pragma once

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <cstdint>

#include "essay/quillora.h"
#include "essay/snapshot_history.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "platform/text/richtextbox.h"
#include "platform/windows/toolbar.h"

namespace essay {

// The free-form editor: one large rich-text box for anything the student wants to write or
// paste, with files, printing, fonts and colours, unlimited undo and redo, and the hand-over of
// the text to Webloom and Voxlet!.
class EditorWindow : public platform::Form {
 public:
  using Context = Quillora;
  explicit EditorWindow(Quillora& program);

  void Undo();
  void Redo();
  void onCut();
  void onCopy();
  void onPaste();
  void NewDocument();
  void OpenDocument();
  void onSaveAs();
  void onPrint();
  void onFont();
  void onExit();
  // Text that closing must not drop without asking.
  bool holdsWriting() const;
  void ToggleBold();
  void ToggleItalic();
  void ToggleUnderline();
  void onExportToWebloom();
  void onExportToVoxlet();

  const SnapshotHistory& history() const { return history_; }

  platform::RichTextBox* documentBox;
  platform::CommonDialog fileDialog;
  platform::ToolBar* toolBar;
  QPushButton* undoButton;
  QPushButton* redoButton;

  QMenu* fileMenu;
  QMenu* editMenu;
  QMenu* colorMenu;
  QMenu* exportMenu;
  QMenu* helpMenu;
  QAction* newAction;
  QAction* openAction;
  QAction* saveAsAction;
  QAction* printAction;
  QAction* fontAction;
  QAction* exitAction;
  QAction* undoAction;
  QAction* cutAction;
  QAction* copyAction;
  QAction* pasteAction;
  QAction* redAction;
  QAction* greenAction;
  QAction* blueAction;
  QAction* blackAction;
  QAction* exportToVoxletAction;
  QAction* exportToWebloomAction;
  QAction* howToAction;
  QAction* checklistAction;
  QAction* sampleEssaysAction;
  QAction* scoringRubricAction;
  QAction* aboutAction;

 protected:
  void load() override;

 private:
  void createControls();
  void createMenus();
  void createToolBar();
  void connectBox();

  void onDocumentChange();
  void onSelectionChange();
  void onDocumentKeyDown(int& keyCode, int shift);
  void onDocumentMouseUp(int button, int shift, double x, double y);
  void onToolButton(const QString& key);
  void UpdateUndoButtons();
  void applyEdit(const BoxEdit& edit);

  bool confirmReplace(const QString& path);
  void saveBoxAs(const QString& path);
  void setSelectionColour(std::uint32_t bgr);
  void setSelectionAlignment(int alignment);
  void handOver(const QString& program, const QString& missingMessage);
  void showSampleEssays();
  void showScoringRubric();
  void showAbout();
  void showHelp(const QString& text);

  Quillora& quillora_;
  EssayStore& store_;
  SnapshotHistory history_;
  // False while the window sets its box up and while Undo and Redo edit it, so that those
  // edits are not recorded.
  bool RecordChanges = false;
};

}  // namespace essay
