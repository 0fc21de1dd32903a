#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <optional>

#include "essay/builder_outline.h"
#include "essay/quillora.h"
#include "platform/text/richtextbox.h"
#include "platform/text/textbox.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"

namespace essay {

// The assignment builder: an essay outline typed into eighteen boxes, saved as an assignment
// file, printed, or handed straight to the workspace.
class AssignmentBuilderWindow : public platform::Form {
 public:
  using Context = Quillora;
  explicit AssignmentBuilderWindow(Quillora& program);

  void onOpenClicked();        // Open for Editing
  void onSaveClicked();        // Save for later use
  void onUseOutlineClicked();  // Use this outline now!
  void onPrintClicked();
  void onCloseClicked();
  void onClearAllClicked();
  void onHelpClicked();

  platform::TextBox* themeBox;
  platform::TextBox* introductionBox;
  // Main ideas 1 to 3, each with its four supporting details.
  std::array<platform::TextBox*, 3> mainIdeaBoxes;
  std::array<std::array<platform::TextBox*, 4>, 3> detailBoxes;
  platform::TextBox* conclusionBox;

  QLabel* introductionLabel;
  std::array<QLabel*, 3> mainIdeaLabels;
  std::array<QLabel*, 3> detailLabels;  // "Supporting Details"
  QLabel* conclusionLabel;

  QGroupBox* optionsFrame;
  QPushButton* openButton;
  QPushButton* saveButton;
  QPushButton* useOutlineButton;
  QPushButton* printButton;
  QPushButton* closeButton;
  QPushButton* clearAllButton;
  QPushButton* helpButton;
  std::array<QLabel*, 2> iconPictures;

  platform::RichTextBox* printBuffer;  // never shown
  platform::CommonDialog fileDialog;

  // Presses of "Open for Editing" since the window loaded or the last successful save.
  int OpensSinceSave = 0;

 protected:
  void load() override;

 private:
  Quillora& quillora_;
  EssayStore& store_;
  // The name and paragraphs of the assignment last opened here. They stay the builder's own: the
  // workspace receives them only through the hand-over.
  QString studentName_;
  std::array<QString, 5> paragraphs_;

  void createBoxes();
  void createLabels();
  void createOptions();
  void createLayout();
  void setTabOrder();
  void connectHandlers();

  BuilderOutline outline() const;
  void showOutline(const BuilderOutline& outline);
  // False, after telling the user, when the outline has not been started; `action` is "use",
  // "save" or "print".
  bool outlineStarted(const QString& action);
  // False when the workspace holds an assignment and the user keeps it rather than the outline.
  bool workspaceMayTakeOutline();
  void handOver();

  // Open, save and print.
  std::optional<QString> chooseFileToOpen();
  void loadAssignment(const Assignment& assignment);
  std::optional<QString> chooseFileToSave();
};

}  // namespace essay
