// Finish: the paragraphs combined under the heading into one essay to edit, save and print.
#include "essay/essay_text.h"
#include "essay/workspace_window.h"
#include "platform/system/runtime_library.h"

namespace essay {
namespace {

const QColor kGrey = platform::rtl::Color(0xC0C0C0);
const QColor kLightYellow = platform::rtl::Color(0xC0FFFF);
constexpr int kCentre = 2;

}  // namespace

void WorkspaceWindow::Command7_Click() {
  for (platform::RichTextBox* box : outlineBoxes()) box->setTextRTF(QString());
  setPressed(Command7);
  greyOutlineBoxes();
  showFinishedEssayAgain();
  SaveCurrentParagraph();
  PaperHeaderText = PaperHeader(store_, quillora_.runtime().clock().now());
  RichTextBox2->setBackColor(kLightYellow);
  mnuHelpExamples->setEnabled(true);
  ++FinishCount;
  if (FinishCount == 1) buildFinishedEssay();
  RichTextBox2->setLocked(false);
  for (QPushButton* button : {Command3, Command4, Command5, Command6, Command8, Command11}) {
    button->setEnabled(false);
  }
  setToolButtons({kToolPrint, kToolCut, kToolCopy, kToolPaste, kToolBold, kToolItalic,
                  kToolUnderline, kToolLeft, kToolCenter},
                 true);
  store_.CurrentStep = kFinished;
  RecordStep();
  RichTextBox2->setFocus();
}

// A later press brings back the essay the student left for Directions, Read Me or Outline; the
// essay on screen stays as it is.
void WorkspaceWindow::showFinishedEssayAgain() {
  if (FinishCount == 0 || store_.CurrentStep == kFinished || FinishedRTF.isEmpty()) return;
  RichTextBox2->setTextRTF(FinishedRTF);
}

void WorkspaceWindow::buildFinishedEssay() {
  RichTextBox5->setTextRTF(EssayText(PaperHeaderText, store_, chosenParagraphCount()));
  RichTextBox5->setSelStart(0);
  RichTextBox5->setSelLength(PaperHeaderText.size());
  RichTextBox5->setSelAlignment(kCentre);
  RichTextBox5->setSelLength(0);
  RichTextBox2->setTextRTF(RichTextBox5->TextRTF());
  mnuEdit->setEnabled(true);
  mnuEdit->menuAction()->setEnabled(true);
}

int WorkspaceWindow::chosenParagraphCount() const {
  if (Command6->isEnabled()) return 5;
  if (Command5->isEnabled()) return 4;
  return 3;
}

}  // namespace essay
