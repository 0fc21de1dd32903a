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
  RichTextBox10->setText(text);
  platform::Clipboard& clipboard = quillora_.runtime().clipboard();
  clipboard.Clear();
  clipboard.SetText(RichTextBox10->Text());
  const InsertBlanks blanks = InsertSpacing(RichTextBox2->Text(), InsertPos);
  LeadingBlank = blanks.leading;
  TrailingBlank = blanks.trailing;
  InsertPos = 0;
  RichTextBox2->setSelText(LeadingBlank + clipboard.GetText() + TrailingBlank);
  source->setSelLength(0);
  RichTextBox10->setText(QString());
  LeadingBlank.clear();
  TrailingBlank.clear();
}

void WorkspaceWindow::SaveOutline() {
  const QString line = RichTextBox1->Text();
  const std::array<QString, 4> details = {RichTextBox6->Text(), RichTextBox7->Text(),
                                          RichTextBox8->Text(), RichTextBox9->Text()};
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
  const QList<int> numbers = {1, 6, 7, 8, 9};
  if (!numbers.contains(ActiveBox)) return;
  const QList<platform::RichTextBox*> boxes = outlineBoxes();
  for (int i = 0; i < boxes.size(); ++i) {
    if (numbers[i] == ActiveBox) {
      boxes[i]->setBackColor(kLightYellow);
      boxes[i]->setLocked(false);
    } else {
      boxes[i]->setBackColor(kGrey);
    }
  }
}

void WorkspaceWindow::outlineBoxClicked(int number) {
  ActiveBox = number;
  HighlightBox();
}

void WorkspaceWindow::RichTextBox2_Click() {
  RichTextBox2->setFocus();
  InsertPos = RichTextBox2->SelStart();
  ActiveBox = 2;
}

void WorkspaceWindow::RichTextBox2_KeyDown(int& keyCode, int shift) {
  shared::RunClipboardShortcut(keyCode, shift, {[this] { mnuEditCut_Click(); },
                                                [this] { mnuEditCopy_Click(); },
                                                [this] { mnuEditPaste_Click(); }});
}

void WorkspaceWindow::RichTextBox2_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (mnuEdit->isEnabled() && button == kRightButton) {
    quillora_.runtime().interaction().popupMenu(*mnuEdit, QCursor::pos());
  }
}

}  // namespace essay
