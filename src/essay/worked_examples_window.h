#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <array>

#include "essay/quillora.h"
#include "platform/text/richtextbox.h"
#include "platform/text/textbox.h"
#include "platform/windows/form.h"

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

  void onIntroductionClicked();
  void onBodyClicked();
  void onConclusionClicked();
  void onOkClicked();
  void onCloseClicked();

  QTabWidget* exampleTabs;

  QGroupBox* gettingStartedFrame;
  QLabel* gettingStartedLabel;
  QPushButton* introductionButton;
  QPushButton* bodyButton;
  QPushButton* conclusionButton;
  QGroupBox* writingExamplesFrame;
  QRadioButton* scoringRubricsOption;
  // 5th grade, 8th grade and high school, in the order they are tested.
  std::array<QRadioButton*, 3> gradeOptions;
  QPushButton* okButton;

  // By part: introduction, body and conclusion. Each page shows the example's part and, in its
  // frame, the main question, the theme (or how to write the part) and what the part is.
  std::array<platform::RichTextBox*, 3> exampleBoxes;
  std::array<QGroupBox*, 3> partFrames;
  std::array<platform::TextBox*, 3> questionBoxes;
  std::array<QLabel*, 3> questionLabels;
  std::array<platform::RichTextBox*, 3> themeBoxes;
  std::array<QLabel*, 3> themeLabels;
  std::array<platform::TextBox*, 3> explanationBoxes;
  std::array<QLabel*, 3> explanationLabels;

  QPushButton* closeButton;
  QLabel* tilePicture;  // the background tile

  QString IntroExplanation;
  QString BodyExplanation;
  QString ConclusionExplanation;

 protected:
  void load() override;

 private:
  void createSelectPage();
  // The page of one part: its tab caption, the name of its example box and the caption of its
  // explanation.
  void createPart(std::size_t part, const QString& tab, const QString& exampleName,
                  const QString& explanationCaption);
  void createLayout();
  void connectHandlers();
  void showHowTo(int tab);
  void setThemeCaptions(const QString& intro, const QString& body, const QString& conclusion);
  void loadExampleTexts(const QString& intro, const QString& body, const QString& conclusion);

  Quillora& quillora_;
};

}  // namespace essay
