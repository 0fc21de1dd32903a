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

void WorkspaceWindow::SaveCurrentParagraph() { storeParagraph(store_.CurrentStep, RichTextBox2->Text()); }

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

void WorkspaceWindow::LockRTB() {
  for (platform::RichTextBox* box : outlineDetailBoxes()) box->setEnabled(false);
}

void WorkspaceWindow::UnLockRTB() {
  for (platform::RichTextBox* box : outlineDetailBoxes()) box->setEnabled(true);
}

// What every step button does first: keep the paragraph being left.
void WorkspaceWindow::beginStep(QPushButton* pressed) {
  RecordStep();
  if (isParagraphStep(PreviousStep)) storeParagraph(PreviousStep, RichTextBox2->Text());
  setPressed(pressed);
  greyOutlineBoxes();
}

void WorkspaceWindow::paragraphStep(int step, QPushButton* button) {
  const bool mainIdea = step == kMainIdea1 || step == kMainIdea2 || step == kMainIdea3;
  if (mainIdea) {
    UnLockRTB();
  } else if (!store_.IsWinNT) {
    LockRTB();
  }
  beginStep(button);
  SaveCurrentParagraph();
  RichTextBox2->setBackColor(kLightYellow);
  if (step == kMainIdea2) {
    RichTextBox2->setText(store_.MainIdea2Paragraph);
  } else {
    RichTextBox2->setTextRTF(paragraphOf(step));
  }
  RichTextBox2->setLocked(false);

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
  RichTextBox1->setText(*line);
  const QList<platform::RichTextBox*> detailBoxes = outlineDetailBoxes();
  for (int i = 0; i < 4; ++i) detailBoxes[i]->setText((*details)[static_cast<std::size_t>(i)]);

  if (step != kConclusion) {
    mnuHelpExamples->setEnabled(true);
    setToolButtons({kToolSave, kToolCut, kToolCopy, kToolPaste}, true);
  }
  store_.CurrentStep = step;
  RecordStep();
  RichTextBox2->setFocus();
  if (step == kIntroduction) {
    mnuEdit->setEnabled(true);
    mnuEdit->menuAction()->setEnabled(true);
  }
}

// Leaving the finished essay for a step that shows something else keeps the essay's rich text.
void WorkspaceWindow::keepFinishedEssay() {
  if (store_.CurrentStep == kFinished) FinishedRTF = RichTextBox2->TextRTF();
}

void WorkspaceWindow::Command1_Click() {
  beginStep(Command1);
  keepFinishedEssay();
  RichTextBox2->setTextRTF(DirectionsText);
  RichTextBox2->setFocus();
  store_.CurrentStep = kDirections;
  RecordStep();
}

void WorkspaceWindow::Command2_Click() {
  beginStep(Command2);
  keepFinishedEssay();
  RichTextBox2->setText(ReadMeText);
  RichTextBox2->setFocus();
  store_.CurrentStep = kReadMe;
  RecordStep();
}

void WorkspaceWindow::Command3_Click() { paragraphStep(kIntroduction, Command3); }
void WorkspaceWindow::Command4_Click() { paragraphStep(kMainIdea1, Command4); }
void WorkspaceWindow::Command5_Click() { paragraphStep(kMainIdea2, Command5); }
void WorkspaceWindow::Command6_Click() { paragraphStep(kMainIdea3, Command6); }
void WorkspaceWindow::Command8_Click() { paragraphStep(kConclusion, Command8); }

void WorkspaceWindow::Command10_Click() {
  beginStep(Command10);
  keepFinishedEssay();
  OutlineText = BuildOutline(store_);
  RichTextBox2->setTextRTF(OutlineText);
  store_.CurrentStep = kOutline;
  RecordStep();
  RichTextBox2->setFocus();
  emptyOutlineBoxes();
}

void WorkspaceWindow::Command11_Click() {
  beginStep(Command11);
  store_.CurrentStep = kPreview;
  RecordStep();
  RichTextBox2->setFocus();
  emptyOutlineBoxes();
  RichTextBox2->setTextRTF(PreviewText(store_));
}

void WorkspaceWindow::setPressed(QPushButton* pressed) {
  for (QPushButton* button : stepButtons()) button->setDown(button == pressed);
}

void WorkspaceWindow::greyOutlineBoxes() {
  for (platform::RichTextBox* box : outlineBoxes()) box->setBackColor(kGrey);
}

void WorkspaceWindow::greyDetailBoxes() {
  for (platform::RichTextBox* box : outlineDetailBoxes()) box->setBackColor(kGrey);
}

void WorkspaceWindow::emptyOutlineBoxes() {
  for (platform::RichTextBox* box : outlineBoxes()) box->setText(QString());
}

}  // namespace essay
