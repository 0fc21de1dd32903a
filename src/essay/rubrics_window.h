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

  void onFifthGradeClicked();
  void onEighthGradeClicked();
  void onHighSchoolClicked();
  void onSixPointRubricClicked();
  void onPrintClicked();
  void onCloseClicked();

  platform::RichTextBox* rubricBox;
  QPushButton* fifthGradeButton;
  QPushButton* eighthGradeButton;
  QPushButton* highSchoolButton;
  QPushButton* sixPointRubricButton;
  QPushButton* printButton;
  QPushButton* closeButton;
  QLabel* tilePicture;  // the background tile
  platform::CommonDialog printDialog;

 protected:
  void load() override;

 private:
  void createControls();
  void createLayout();
  void connectHandlers();

  Quillora& quillora_;
};

}  // namespace essay
