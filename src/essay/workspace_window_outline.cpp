// The outline boxes beside the paragraph: editing them in place, highlighting the one worked in,
// and inserting their text into the paragraph.
#include <QCursor>

#include "essay/assignment_file.h"
#include "essay/essay_text.h"
#include "essay/workspace_window.h"
#include "platform/system/clipboard.h"
#include "platform/system/runtime_library.h"
#include "shared/rich_edit.h"

namespace essay {
namespace {

const QColor kGrey = platform::rtl::Color(0xC0C0C0);
const QColor kLightYellow = platform::rtl::Color(0xC0FFFF);
constexpr int kRightButton = 2;

}  // namespace

void WorkspaceWindow::insertOutlineText(platform::RichTextBox* source) {
  QString text;
  if (source->SelLength() != 0) {
    text = source->SelText();
  } else {
    source->setSelStart(0);
    source->setSelLength(source->Text().size());
    text = source->Text().remove(QStringLiteral("\r\n"));
  }
  // The text passes through the scratch box and the clipboard, which keeps it afterwards.
  insertScratchBox->setText(text);
  platform::Clipboard& clipboard = quillora_.runtime().clipboard();
  clipboard.Clear();
  clipboard.SetText(insertScratchBox->Text());
  const InsertBlanks blanks = InsertSpacing(paragraphBox->Text(), InsertPos);
  LeadingBlank = blanks.leading;
  TrailingBlank = blanks.trailing;
  InsertPos = 0;
  paragraphBox->setSelText(LeadingBlank + clipboard.GetText() + TrailingBlank);
  source->setSelLength(0);
  insertScratchBox->setText(QString());
  LeadingBlank.clear();
  TrailingBlank.clear();
}

void WorkspaceWindow::SaveOutline() {
  const QString line = outlineLineBox->Text();
  const std::array<QString, 4> details = {detailBoxes[0]->Text(), detailBoxes[1]->Text(),
                                          detailBoxes[2]->Text(), detailBoxes[3]->Text()};
  const QString block = MainIdeaBlock{line, details}.joined();
  switch (store_.CurrentStep) {
    case kIntroduction:
      store_.IntroLine = line;
      break;
    case kMainIdea1:
      MainIdea1Outline = block;
      store_.MainIdea1Line = line;
      store_.MainIdea1Details = details;
      break;
    case kMainIdea2:
      MainIdea2Outline = block;
      store_.MainIdea2Line = line;
      store_.MainIdea2Details = details;
      break;
    case kMainIdea3:
      MainIdea3Outline = block;
      store_.MainIdea3Line = line;
      store_.MainIdea3Details = details;
      break;
    case kConclusion:
      store_.ConclusionLine = line;
      break;
    default:
      break;
  }
}

void WorkspaceWindow::HighlightBox() {
  const QList<platform::RichTextBox*> boxes = outlineBoxes();
  if (!boxes.contains(ActiveBox)) return;
  for (platform::RichTextBox* box : boxes) {
    if (box == ActiveBox) {
      box->setBackColor(kLightYellow);
      box->setLocked(false);
    } else {
      box->setBackColor(kGrey);
    }
  }
}

void WorkspaceWindow::onOutlineBoxClicked(platform::RichTextBox* box) {
  ActiveBox = box;
  HighlightBox();
}

void WorkspaceWindow::onParagraphClicked() {
  paragraphBox->setFocus();
  InsertPos = paragraphBox->SelStart();
  ActiveBox = paragraphBox;
}

void WorkspaceWindow::onParagraphKeyDown(int& keyCode, int shift) {
  shared::RunClipboardShortcut(keyCode, shift, {[this] { onCut(); },
                                                [this] { onCopy(); },
                                                [this] { onPaste(); }});
}

void WorkspaceWindow::onParagraphMouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (editMenu->isEnabled() && button == kRightButton) {
    quillora_.runtime().interaction().popupMenu(*editMenu, QCursor::pos());
  }
}

}  // namespace essay
