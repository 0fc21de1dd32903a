#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <optional>

#include "essay/quillora.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "platform/text/richtextbox.h"
#include "platform/windows/statusbar.h"
#include "platform/windows/toolbar.h"

namespace essay {

// Positions of the toolbar's buttons, separators counted.
enum WorkspaceToolButton {
  kToolOpen = 1, kToolSave = 3, kToolPrint = 4, kToolCut = 6, kToolCopy = 7, kToolPaste = 8,
  kToolBold = 9, kToolItalic = 10, kToolUnderline = 11, kToolLeft = 12, kToolCenter = 13,
  kToolExamples = 15, kToolExit = 17
};

// The workspace: the student writes the essay here, one step at a time beside the outline.
class WorkspaceWindow : public platform::Form {
 public:
  using Context = Quillora;
  explicit WorkspaceWindow(Quillora& program);

  // Fills the window with the builder's outline or with an assignment file the student picks.
  void OpenAssignment();
  // Empties the window's boxes and the assignment held in the store.
  void ClearAssignment();
  void DisableParagraphButtons();
  void LockRTB();
  void UnLockRTB();

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command10_Click();
  void Command11_Click();
  void mnuFileSaveAs_Click();
  void mnuFilePrint_Click();
  void mnuFileExit_Click();
  void mnuEditCut_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();
  void mnuEditor_Click();
  void mnuHelpExamples_Click();

  platform::RichTextBox* RichTextBox1;   // introduction / main idea / conclusion line
  platform::RichTextBox* RichTextBox2;   // the paragraph the student writes
  platform::RichTextBox* RichTextBox3;   // kept empty; its emptiness disables the step buttons
  platform::RichTextBox* RichTextBox4;   // theme
  platform::RichTextBox* RichTextBox5;   // scratch space where the finished essay is assembled
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
  platform::StatusBar* sbStatusBar;
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
  QString PaperHeaderText;
  int ActiveBox = 0;
  int InsertPos = 0;
  QString LeadingBlank;
  QString TrailingBlank;
  platform::CommonDialog dlgCommonDialog;

 protected:
  void load() override;
  void unload(int& cancel) override;

 private:
  Quillora& quillora_;
  EssayStore& store_;

  void createBoxes();
  void createButtons();
  void createLayout();
  void createMenus();
  void createToolBar();
  void connectHandlers();
  void tbToolBar_ButtonClick(const QString& key);
  QList<platform::RichTextBox*> outlineDetailBoxes() const;
  QList<platform::RichTextBox*> outlineBoxes() const;
  QList<QPushButton*> stepButtons() const;

  // Opening.
  void openFromBuilder();
  void openChosenFile();
  std::optional<QString> chooseAssignmentFile();
  void loadAssignmentText(const QString& text);
  void resetStepHistory();
  void AskStudentName();
  void EnableStepButtons();
  void showAssignmentCaption(int blanksAfterTitle);
  void switchOnOutlineBoxes();
  void setToolButtons(std::initializer_list<int> positions, bool enabled);

  // Steps.
  void RecordStep();
  void SaveCurrentParagraph();
  void storeParagraph(int step, const QString& text);
  QString paragraphOf(int step) const;
  void beginStep(QPushButton* pressed);
  void paragraphStep(int step, QPushButton* button);
  void keepFinishedEssay();
  void setPressed(QPushButton* pressed);
  void greyOutlineBoxes();
  void greyDetailBoxes();
  void emptyOutlineBoxes();

  // Outline boxes and inserts.
  void insertOutlineText(platform::RichTextBox* source);
  void SaveOutline();
  void HighlightBox();
  void outlineBoxClicked(int number);
  void RichTextBox2_Click();
  void RichTextBox2_KeyDown(int& keyCode, int shift);
  void RichTextBox2_MouseUp(int button, int shift, double x, double y);

  // Finishing, saving and printing.
  void showFinishedEssayAgain();
  void buildFinishedEssay();
  int chosenParagraphCount() const;
  void saveFinishedEssay();
  void saveAssignmentFile();
  QString finishedEssayText(bool richText);
  bool confirmReplace(const QString& path);
  void showHelp(const QString& text, const QString& title);
};

}  // namespace essay
