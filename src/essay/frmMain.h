#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

#include "essay/quillora.h"
#include "platform/form.h"
#include "platform/richtextbox.h"
#include "platform/toolbar.h"

namespace essay {

// Positions of the toolbar's buttons, separators counted.
enum WorkspaceToolButton {
  kToolOpen = 1, kToolSave = 3, kToolPrint = 4, kToolCut = 6, kToolCopy = 7, kToolPaste = 8,
  kToolBold = 9, kToolItalic = 10, kToolUnderline = 11, kToolLeft = 12, kToolCenter = 13,
  kToolExamples = 15, kToolExit = 17
};

// The workspace: the student writes the essay here, one step at a time beside the outline.
class frmMain : public platform::Form {
 public:
  using Context = Quillora;
  explicit frmMain(Quillora& program);

  // Empties the window's boxes and the assignment held in the store.
  void ClearAssignment();
  void DisableParagraphButtons();

  void mnuFileExit_Click();

  platform::RichTextBox* RichTextBox1;   // introduction / main idea / conclusion line
  platform::RichTextBox* RichTextBox2;   // the paragraph the student writes
  platform::RichTextBox* RichTextBox3;   // kept empty; its emptiness disables the step buttons
  platform::RichTextBox* RichTextBox4;   // theme
  platform::RichTextBox* RichTextBox6;   // details 1-4
  platform::RichTextBox* RichTextBox7;
  platform::RichTextBox* RichTextBox8;
  platform::RichTextBox* RichTextBox9;
  platform::RichTextBox* RichTextBox10;  // scratch space for inserts, never shown

  QPushButton* Command1;   // Directions
  QPushButton* Command2;   // Read Me
  QPushButton* Command3;   // Introduction
  QPushButton* Command4;   // Main Idea #1
  QPushButton* Command5;   // Main Idea #2
  QPushButton* Command6;   // Main Idea #3
  QPushButton* Command7;   // Finish
  QPushButton* Command8;   // Conclusion
  QPushButton* Command10;  // Outline
  QPushButton* Command11;  // Preview
  QPushButton* Command12;  // insert buttons, one beside each outline box
  QPushButton* Command13;
  QPushButton* Command14;
  QPushButton* Command15;
  QPushButton* Command16;

  platform::ToolBar* tbToolBar;
  QStatusBar* sbStatusBar;
  QLabel* Picture1;  // the background tile

  QMenu* mnuFile;
  QMenu* mnuEdit;
  QMenu* mnuHelp;
  QAction* mnuOpenAssignment;
  QAction* mnuFileSaveAs;
  QAction* mnuFilePrint;
  QAction* mnuFileExit;
  QAction* mnuEditCut;
  QAction* mnuEditCopy;
  QAction* mnuEditPaste;
  QAction* mnuHelpFile;
  QAction* mnuHelpTips;
  QAction* mnuHelpContents;
  QAction* mnuHelpExamples;
  QAction* mnuHelpScoringRubric;
  QAction* mnuEditor;
  QAction* mnuHelpAbout;

  int OpensSinceSave = 0;
  int PreviousStep = 0;
  int LastStep = 0;
  int FinishCount = 0;
  QString FinishedRTF;
  QString DirectionsText;
  QString ReadMeText;
  QString MainIdea1Outline;
  QString MainIdea2Outline;
  QString MainIdea3Outline;
  QString OutlineText;

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  Quillora& quillora_;
  EssayStore& store_;

  void createBoxes();
  void createButtons();
  void createLayout();
  void createMenus();
  void createToolBar();
  void tbToolBar_ButtonClick(const QString& key);
  QList<platform::RichTextBox*> outlineDetailBoxes() const;
};

}  // namespace essay
