#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <array>
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
  // Whether an assignment is open here, from its first open until the window unloads.
  bool holdsAssignment() const;
  // Paragraphs or a finished essay that closing must not drop without asking.
  bool holdsWriting() const;
  // Empties the window's boxes and the assignment held in the store.
  void ClearAssignment();
  void DisableParagraphButtons();

  void onDirectionsClicked();
  void onReadMeClicked();
  void onIntroductionClicked();
  void onMainIdeaClicked(int idea);
  void onFinishClicked();
  void onConclusionClicked();
  void onOutlineClicked();
  void onPreviewClicked();
  void onSaveAs();
  void onPrint();
  void onExit();
  void onCut();
  void onCopy();
  void onPaste();
  void onEditor();
  void onSampleEssays();

  platform::RichTextBox* outlineLineBox;  // introduction / main idea / conclusion line
  std::array<platform::RichTextBox*, 4> detailBoxes;  // a main idea's four details
  platform::RichTextBox* paragraphBox;    // the paragraph the student writes
  platform::RichTextBox* themeBox;
  // Kept empty: text here would keep the step buttons on when the assignment is cleared.
  platform::RichTextBox* stepsGuardBox;
  platform::RichTextBox* essayScratchBox;   // where the finished essay is assembled, never shown
  platform::RichTextBox* insertScratchBox;  // where inserted outline text passes, never shown

  QPushButton* directionsButton;
  QPushButton* readMeButton;
  QPushButton* introductionButton;
  std::array<QPushButton*, 3> mainIdeaButtons;
  QPushButton* finishButton;
  QPushButton* conclusionButton;
  QPushButton* outlineButton;
  QPushButton* previewButton;
  // One insert button beside each outline box.
  QPushButton* insertLineButton;
  std::array<QPushButton*, 4> insertDetailButtons;

  platform::ToolBar* toolBar;
  platform::StatusBar* statusBar;
  QLabel* backgroundTile;

  QMenu* fileMenu;
  QMenu* editMenu;
  QMenu* helpMenu;
  QAction* openAssignmentAction;
  QAction* saveAsAction;
  QAction* printAction;
  QAction* exitAction;
  QAction* cutAction;
  QAction* copyAction;
  QAction* pasteAction;
  QAction* howToAction;
  QAction* programTipsAction;
  QAction* checklistAction;
  QAction* sampleEssaysAction;
  QAction* scoringRubricsAction;
  QAction* editorAction;
  QAction* aboutAction;

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
  platform::RichTextBox* ActiveBox = nullptr;  // the box clicked last
  int InsertPos = 0;
  QString LeadingBlank;
  QString TrailingBlank;
  platform::CommonDialog fileDialog;

 protected:
  void load() override;
  void unload(int& cancel) override;

 private:
  Quillora& quillora_;
  EssayStore& store_;

  void createBoxes();
  void createButtons();
  void createInsertButtons();
  void createLayout();
  void createMenus();
  void createToolBar();
  void connectHandlers();
  void connectOutlineBoxes();
  void onToolButton(const QString& key);
  QList<platform::RichTextBox*> outlineBoxes() const;
  QList<QPushButton*> insertButtons() const;
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
  void disableDetailBoxes();
  void enableDetailBoxes();

  // Outline boxes and inserts.
  void insertOutlineText(platform::RichTextBox* source);
  void SaveOutline();
  void HighlightBox();
  void onOutlineBoxClicked(platform::RichTextBox* box);
  void onParagraphClicked();
  void onParagraphKeyDown(int& keyCode, int shift);
  void onParagraphMouseUp(int button, int shift, double x, double y);

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
