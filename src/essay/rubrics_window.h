#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "essay/quillora.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "platform/text/richtextbox.h"

namespace essay {

// How a worked example or rubric file of the examples folder came into its box.
enum class ExampleFileLoad {
  Loaded,
  Missing,     // not there: the box is left as it was
  Unreadable,  // there, but not a text the box can show (unreadable, binary, far too large)
};

// Shows `fileName` of the examples folder in `box`, as rich text (or as plain text when it is not
// rich text). Only a loaded file changes the box.
ExampleFileLoad LoadExampleFile(platform::RichTextBox& box, const QString& fileName);

// Tells the user which example files could not be shown; nothing when there are none.
void ReportUnreadableExamples(Quillora& program, const QStringList& fileNames);

// The scoring rubrics: one of four rubrics in a read-only box, printed on request.
class RubricsWindow : public platform::Form {
 public:
  using Context = Quillora;
  explicit RubricsWindow(Quillora& program);

  // Shows the rubric file `fileName`; a missing file leaves the box as it was.
  void LoadRubric(const QString& fileName);

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command6_Click();
  void Command5_Click();
  void Command4_Click();

  platform::RichTextBox* RichTextBox1;
  QPushButton* Command1;  // 5th Grade
  QPushButton* Command2;  // 8th Grade
  QPushButton* Command3;  // High School
  QPushButton* Command6;  // 6 Pt. Rubric
  QPushButton* Command5;  // Print
  QPushButton* Command4;  // Close
  QLabel* Image1;         // the background tile
  platform::CommonDialog CommonDialog1;

 protected:
  void load() override;

 private:
  void createControls();
  void createLayout();
  void connectHandlers();

  Quillora& quillora_;
};

}  // namespace essay
