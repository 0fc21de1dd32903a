// The writing steps: which part of the essay the paragraph box shows, and keeping each
// paragraph in the store when its step is left.
#include "essay/essay_text.h"
#include "essay/workspace_window.h"
#include "platform/system/runtime_library.h"

namespace essay {
namespace {

const QColor kGrey = platform::rtl::Color(0xC0C0C0);
const QColor kLightYellow = platform::rtl::Color(0xC0FFFF);

bool isParagraphStep(int step) {
  return step == kIntroduction || step == kMainIdea1 || step == kMainIdea2 ||
         step == kMainIdea3 || step == kConclusion;
}

}  // namespace

void WorkspaceWindow::RecordStep() {
  PreviousStep = LastStep;
  LastStep = store_.CurrentStep;
}

void WorkspaceWindow::SaveCurrentParagraph() {
  storeParagraph(store_.CurrentStep, paragraphBox->Text());
}

void WorkspaceWindow::storeParagraph(int step, const QString& text) {
  switch (step) {
    case kIntroduction: store_.IntroParagraph = text; break;
    case kMainIdea1: store_.MainIdea1Paragraph = text; break;
    case kMainIdea2: store_.MainIdea2Paragraph = text; break;
    case kMainIdea3: store_.MainIdea3Paragraph = text; break;
    case kConclusion: store_.ConclusionParagraph = text; break;
    default: break;
  }
}

QString WorkspaceWindow::paragraphOf(int step) const {
  switch (step) {
    case kIntroduction: return store_.IntroParagraph;
    case kMainIdea1: return store_.MainIdea1Paragraph;
    case kMainIdea2: return store_.MainIdea2Paragraph;
    case kMainIdea3: return store_.MainIdea3Paragraph;
    case kConclusion: return store_.ConclusionParagraph;
    default: return QString();
  }
}

void WorkspaceWindow::disableDetailBoxes() {
  for (platform::RichTextBox* box : detailBoxes) box->setEnabled(false);
}

void WorkspaceWindow::enableDetailBoxes() {
  for (platform::RichTextBox* box : detailBoxes) box->setEnabled(true);
}

// What every step button does first: keep the paragraph being left.
void WorkspaceWindow::beginStep(QPushButton* pressed) {
  RecordStep();
  if (isParagraphStep(PreviousStep)) storeParagraph(PreviousStep, paragraphBox->Text());
  setPressed(pressed);
  greyOutlineBoxes();
}

void WorkspaceWindow::paragraphStep(int step, QPushButton* button) {
  const bool mainIdea = step == kMainIdea1 || step == kMainIdea2 || step == kMainIdea3;
  if (mainIdea) {
    enableDetailBoxes();
  } else if (!store_.IsWinNT) {
    disableDetailBoxes();
  }
  beginStep(button);
  SaveCurrentParagraph();
  paragraphBox->setBackColor(kLightYellow);
  if (step == kMainIdea2) {
    paragraphBox->setText(store_.MainIdea2Paragraph);
  } else {
    paragraphBox->setTextRTF(paragraphOf(step));
  }
  paragraphBox->setLocked(false);

  static const std::array<QString, 4> kNoDetails;
  const QString* line = &store_.IntroLine;
  const std::array<QString, 4>* details = &kNoDetails;
  switch (step) {
    case kMainIdea1: line = &store_.MainIdea1Line; details = &store_.MainIdea1Details; break;
    case kMainIdea2: line = &store_.MainIdea2Line; details = &store_.MainIdea2Details; break;
    case kMainIdea3: line = &store_.MainIdea3Line; details = &store_.MainIdea3Details; break;
    case kConclusion: line = &store_.ConclusionLine; break;
    default: break;
  }
  outlineLineBox->setText(*line);
  for (std::size_t i = 0; i < detailBoxes.size(); ++i) detailBoxes[i]->setText((*details)[i]);

  if (step != kConclusion) {
    sampleEssaysAction->setEnabled(true);
    setToolButtons({kToolSave, kToolCut, kToolCopy, kToolPaste}, true);
  }
  store_.CurrentStep = step;
  RecordStep();
  paragraphBox->setFocus();
  if (step == kIntroduction) {
    editMenu->setEnabled(true);
    editMenu->menuAction()->setEnabled(true);
  }
}

// Leaving the finished essay for a step that shows something else keeps the essay's rich text.
void WorkspaceWindow::keepFinishedEssay() {
  if (store_.CurrentStep == kFinished) FinishedRTF = paragraphBox->TextRTF();
}

void WorkspaceWindow::onDirectionsClicked() {
  beginStep(directionsButton);
  keepFinishedEssay();
  paragraphBox->setTextRTF(DirectionsText);
  paragraphBox->setFocus();
  store_.CurrentStep = kDirections;
  RecordStep();
}

void WorkspaceWindow::onReadMeClicked() {
  beginStep(readMeButton);
  keepFinishedEssay();
  paragraphBox->setText(ReadMeText);
  paragraphBox->setFocus();
  store_.CurrentStep = kReadMe;
  RecordStep();
}

void WorkspaceWindow::onIntroductionClicked() { paragraphStep(kIntroduction, introductionButton); }

// Main ideas count from 1.
void WorkspaceWindow::onMainIdeaClicked(int idea) {
  const int steps[] = {kMainIdea1, kMainIdea2, kMainIdea3};
  const auto index = static_cast<std::size_t>(idea - 1);
  paragraphStep(steps[index], mainIdeaButtons[index]);
}

void WorkspaceWindow::onConclusionClicked() { paragraphStep(kConclusion, conclusionButton); }

void WorkspaceWindow::onOutlineClicked() {
  beginStep(outlineButton);
  keepFinishedEssay();
  OutlineText = BuildOutline(store_);
  paragraphBox->setTextRTF(OutlineText);
  store_.CurrentStep = kOutline;
  RecordStep();
  paragraphBox->setFocus();
  emptyOutlineBoxes();
}

void WorkspaceWindow::onPreviewClicked() {
  beginStep(previewButton);
  store_.CurrentStep = kPreview;
  RecordStep();
  paragraphBox->setFocus();
  emptyOutlineBoxes();
  paragraphBox->setTextRTF(PreviewText(store_));
}

void WorkspaceWindow::setPressed(QPushButton* pressed) {
  for (QPushButton* button : stepButtons()) button->setDown(button == pressed);
}

void WorkspaceWindow::greyOutlineBoxes() {
  for (platform::RichTextBox* box : outlineBoxes()) box->setBackColor(kGrey);
}

void WorkspaceWindow::greyDetailBoxes() {
  for (platform::RichTextBox* box : detailBoxes) box->setBackColor(kGrey);
}

void WorkspaceWindow::emptyOutlineBoxes() {
  for (platform::RichTextBox* box : outlineBoxes()) box->setText(QString());
}

}  // namespace essay
