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

void WorkspaceWindow::onFinishClicked() {
  for (platform::RichTextBox* box : outlineBoxes()) box->setTextRTF(QString());
  setPressed(finishButton);
  greyOutlineBoxes();
  showFinishedEssayAgain();
  SaveCurrentParagraph();
  PaperHeaderText = PaperHeader(store_, quillora_.runtime().clock().now());
  paragraphBox->setBackColor(kLightYellow);
  sampleEssaysAction->setEnabled(true);
  ++FinishCount;
  if (FinishCount == 1) buildFinishedEssay();
  paragraphBox->setLocked(false);
  for (QPushButton* button : {introductionButton, mainIdeaButtons[0], mainIdeaButtons[1],
                              mainIdeaButtons[2], conclusionButton, previewButton}) {
    button->setEnabled(false);
  }
  setToolButtons({kToolPrint, kToolCut, kToolCopy, kToolPaste, kToolBold, kToolItalic,
                  kToolUnderline, kToolLeft, kToolCenter},
                 true);
  store_.CurrentStep = kFinished;
  RecordStep();
  paragraphBox->setFocus();
}

// A later press brings back the essay the student left for Directions, Read Me or Outline; the
// essay on screen stays as it is.
void WorkspaceWindow::showFinishedEssayAgain() {
  if (FinishCount == 0 || store_.CurrentStep == kFinished || FinishedRTF.isEmpty()) return;
  paragraphBox->setTextRTF(FinishedRTF);
}

void WorkspaceWindow::buildFinishedEssay() {
  essayScratchBox->setTextRTF(EssayText(PaperHeaderText, store_, chosenParagraphCount()));
  essayScratchBox->setSelStart(0);
  essayScratchBox->setSelLength(PaperHeaderText.size());
  essayScratchBox->setSelAlignment(kCentre);
  essayScratchBox->setSelLength(0);
  paragraphBox->setTextRTF(essayScratchBox->TextRTF());
  editMenu->setEnabled(true);
  editMenu->menuAction()->setEnabled(true);
}

int WorkspaceWindow::chosenParagraphCount() const {
  if (mainIdeaButtons[2]->isEnabled()) return 5;
  if (mainIdeaButtons[1]->isEnabled()) return 4;
  return 3;
}

}  // namespace essay
