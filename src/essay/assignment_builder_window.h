#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <optional>

#include "essay/builder_outline.h"
#include "essay/quillora.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "platform/text/richtextbox.h"
#include "platform/text/textbox.h"

namespace essay {

// The assignment builder: an essay outline typed into eighteen boxes, saved as an assignment
// file, printed, or handed straight to the workspace.
class AssignmentBuilderWindow : public platform::Form {
 public:
  using Context = Quillora;
  explicit AssignmentBuilderWindow(Quillora& program);

  void Command1_Click();  // Open for Editing
  void Command2_Click();  // Save for later use
  void Command3_Click();  // Use this outline now!
  void Command4_Click();  // Print
  void Command5_Click();  // Close
  void Command6_Click();  // Clear All
  void Command7_Click();  // Help

  platform::TextBox* Text18a;  // theme
  platform::TextBox* Text1a;   // introduction
  platform::TextBox* Text2a;   // main idea 1 and its details
  platform::TextBox* Text3a;
  platform::TextBox* Text4a;
  platform::TextBox* Text5a;
  platform::TextBox* Text6a;
  platform::TextBox* Text7a;   // main idea 2 and its details
  platform::TextBox* Text8a;
  platform::TextBox* Text9a;
  platform::TextBox* Text10a;
  platform::TextBox* Text11a;
  platform::TextBox* Text12a;  // main idea 3 and its details
  platform::TextBox* Text13a;
  platform::TextBox* Text14a;
  platform::TextBox* Text15a;
  platform::TextBox* Text16a;
  platform::TextBox* Text17a;  // conclusion

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label9;
  QLabel* Label10;

  QGroupBox* Frame1;
  QPushButton* Command1;
  QPushButton* Command2;
  QPushButton* Command3;
  QPushButton* Command4;
  QPushButton* Command5;
  QPushButton* Command6;
  QPushButton* Command7;
  QLabel* Image1;
  QLabel* Image2;

  platform::RichTextBox* RichTextBox1;  // the print buffer, never shown
  platform::CommonDialog CommonDialog1;

  // Presses of "Open for Editing" since the window loaded or the last successful save.
  int OpensSinceSave = 0;

 protected:
  void load() override;

 private:
  Quillora& quillora_;
  EssayStore& store_;

  void createBoxes();
  void createLabels();
  void createOptions();
  void createLayout();
  void setTabOrder();
  void connectHandlers();
  // The boxes of main idea 1, 2 or 3: the idea, then its four details.
  QList<platform::TextBox*> mainIdeaBoxes(int number) const;

  BuilderOutline outline() const;
  void showOutline(const BuilderOutline& outline);
  // False, after telling the user, when the outline has not been started; `action` is "use",
  // "save" or "print".
  bool outlineStarted(const QString& action);
  void handOver();

  // Open, save and print.
  std::optional<QString> chooseFileToOpen();
  void loadAssignment(const Assignment& assignment);
  std::optional<QString> chooseFileToSave();
};

}  // namespace essay
