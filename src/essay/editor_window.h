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
  void mnuEditCut_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();
  void NewDocument();
  void OpenDocument();
  void mnuFileSaveAs_Click();
  void mnuFilePrint_Click();
  void mnuFont_Click();
  void mnuFileExit_Click();
  void ToggleBold();
  void ToggleItalic();
  void ToggleUnderline();
  void mnuWLMExport_Click();
  void mnuVoxletExport_Click();

  const SnapshotHistory& history() const { return history_; }

  platform::RichTextBox* RichTextBox1;
  platform::CommonDialog CommonDialog1;
  platform::ToolBar* Toolbar1;
  QPushButton* cmdUndo;
  QPushButton* cmdRedo;

  QMenu* File;
  QMenu* mnuEdit;
  QMenu* Edit;  // the colour menu
  QMenu* Export;
  QMenu* mnuHelp;
  QAction* New;
  QAction* mnuOpen;
  QAction* mnuFileSaveAs;
  QAction* mnuFilePrint;
  QAction* mnuFont;
  QAction* mnuFileExit;
  QAction* mnuUndo;
  QAction* mnuCut;
  QAction* mnuCopy;
  QAction* mnuPaste;
  QAction* mnuColorRed;
  QAction* mnuColorGreen;
  QAction* mnuColorBlue;
  QAction* mnuColorBlack;
  QAction* mnuVoxletExport;
  QAction* mnuWLMExport;
  QAction* mnuHelpHowTo;
  QAction* mnuHelpContents;
  QAction* mnuHelpExamples;
  QAction* mnuHelpScoringRubric;
  QAction* mnuHelpAbout;

 protected:
  void load() override;

 private:
  void createControls();
  void createMenus();
  void createToolBar();
  void connectBox();

  void RichTextBox1_Change();
  void RichTextBox1_SelChange();
  void RichTextBox1_KeyDown(int& keyCode, int shift);
  void RichTextBox1_MouseUp(int button, int shift, double x, double y);
  void Toolbar1_ButtonClick(const QString& key);
  void UpdateUndoButtons();
  void applyEdit(const BoxEdit& edit);

  bool loadBox(const QString& path);
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
