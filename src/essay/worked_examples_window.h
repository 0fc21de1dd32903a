#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "essay/quillora.h"
#include "platform/windows/form.h"
#include "platform/text/richtextbox.h"
#include "platform/text/textbox.h"

namespace essay {

// Pages of the tabbed control.
enum ExampleTab { kTabSelect = 0, kTabIntroduction = 1, kTabBody = 2, kTabConclusion = 3 };

// Worked examples: a how-to essay that explains each part, and three graded writing samples, shown
// as introduction, body and conclusion beside the prompt, the theme and what each part is for.
class WorkedExamplesWindow : public platform::Form {
 public:
  using Context = Quillora;
  explicit WorkedExamplesWindow(Quillora& program);

  // The how-to example with its explanations.
  void LoadHowToExamples();
  // The writing sample of the first chosen grade; the rubrics window when only "Scoring Rubrics"
  // is chosen; nothing when no option is.
  void LoadWritingSample();

  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command2_Click();
  void Command1_Click();

  QTabWidget* SSTab1;

  QGroupBox* Frame2;  // Getting Started
  QLabel* Label6;
  QPushButton* Command4;  // Introduction
  QPushButton* Command5;  // Body
  QPushButton* Command6;  // Conclusion
  QGroupBox* Frame1;  // Writing Examples
  QRadioButton* Option7;  // Scoring Rubrics
  QRadioButton* Option1;  // 5th grade
  QRadioButton* Option3;  // 8th grade
  QRadioButton* Option4;  // high school
  QPushButton* Command2;  // OK

  // The example's introduction, body and conclusion.
  platform::RichTextBox* RichTextBox1;
  platform::RichTextBox* RichTextBox2;
  platform::RichTextBox* RichTextBox3;

  // Beside each part: the main question, the theme (or how to write the part) and what the part is.
  QGroupBox* Frame3;
  platform::TextBox* Text1;
  QLabel* Label11;
  platform::RichTextBox* RichTextBox4;
  QLabel* Label12;
  platform::TextBox* Text3;
  QLabel* Label15;
  QGroupBox* Frame4;
  platform::TextBox* Text4;
  QLabel* Label18;
  platform::RichTextBox* RichTextBox5;
  QLabel* Label17;
  platform::TextBox* Text6;
  QLabel* Label16;
  QGroupBox* Frame5;
  platform::TextBox* Text7;
  QLabel* Label21;
  platform::RichTextBox* RichTextBox6;
  QLabel* Label20;
  platform::TextBox* Text9;
  QLabel* Label19;

  QPushButton* Command1;  // Close
  QLabel* Image1;         // the background tile

  QString IntroExplanation;
  QString BodyExplanation;
  QString ConclusionExplanation;

 protected:
  void load() override;

 private:
  void createSelectPage();
  QWidget* createPartPage(platform::RichTextBox* example, QGroupBox* frame);
  void createLayout();
  void connectHandlers();
  void showHowTo(int tab);
  void setThemeCaptions(const QString& intro, const QString& body, const QString& conclusion);
  void loadExampleTexts(const QString& intro, const QString& body, const QString& conclusion);

  Quillora& quillora_;
};

}  // namespace essay
