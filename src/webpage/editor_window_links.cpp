// Marking spans of the text as links to files, and taking the marks away again.
#include "platform/system/errors.h"
#include "platform/system/runtime_library.h"
#include "webpage/editor_window.h"

namespace webpage {
namespace {

constexpr std::uint32_t kLinkColour = 0xFF0000;  // blue
constexpr std::uint32_t kPlainColour = 0x0;

const QString kHighlightFirst =
    QStringLiteral("You must highlight some text in order to link to it.");
const QString kTableFull = QStringLiteral(
    "This document already has 100 links, as many as a page can hold. The text was not linked.");
const QString kLinkInsideLink =
    QStringLiteral("The highlighted text is part of a link already. Delete that link first.");

}  // namespace

// The dialogs leave the focus on the button: typing goes on in the text.
void EditorWindow::onLinkToText() {
  linkSelectedText();
  textBox->setFocus();
}

void EditorWindow::linkSelectedText() {
  const QString selected = textBox->SelText();
  if (selected.isEmpty()) {
    webloom_.MsgBox(kHighlightFirst, platform::vbInformation);
    return;
  }
  if (links_.full()) {
    webloom_.MsgBox(kTableFull, platform::vbInformation);
    return;
  }
  if (selected.contains(kLinkMark)) {
    webloom_.MsgBox(kLinkInsideLink, platform::vbInformation);
    return;
  }
  fileDialog.DialogTitle = QStringLiteral("Save Link to--->  ") + selected;
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("All Files (*.*)|*.*");
  if (!fileDialog.TryShowSave()) return;
  if (fileDialog.FileName.isEmpty()) return;
  markSelectionAsLink(selected);
  links_.add(selected, fileDialog.FileName);
}

// A trailing blank stays outside the marks; further typing after the link is plain again. Undo
// takes the marks and their look off in one step.
void EditorWindow::markSelectionAsLink(const QString& selected) {
  if (selected.endsWith(QLatin1Char(' '))) textBox->setSelLength(textBox->SelLength() - 1);
  const int start = textBox->SelStart();
  const QString marked = kLinkMark + textBox->SelText() + kLinkMark;
  textBox->asOneUndoStep([&] {
    textBox->setSelText(marked);
    textBox->setSelStart(start);
    textBox->setSelLength(static_cast<int>(marked.size()));
    textBox->setSelColor(platform::rtl::Color(kLinkColour));
    textBox->setSelUnderline(true);
  });
  textBox->setSelStart(start + static_cast<int>(marked.size()));
  typePlain();
}

void EditorWindow::typePlain() {
  textBox->setSelColor(platform::rtl::Color(kPlainColour));
  textBox->setSelUnderline(false);
}

// A character typed right after a link's closing mark is no part of the link, wherever the caret
// came from.
void EditorWindow::onTextKeyPress(int keyAscii) {
  if (keyAscii < 32 || textBox->SelLength() != 0) return;
  const int caret = textBox->SelStart();
  if (caret == 0) return;
  const QString text = textBox->Text();
  if (text.at(caret - 1) != kLinkMark) return;
  for (const LinkSpan& span : FindLinkSpans(text, links_)) {
    if (span.close == caret - 1) typePlain();
  }
}

// Only a link the caret stands inside is taken apart: its marks go, its text turns plain and
// its row is forgotten.
void EditorWindow::onDeleteLink() {
  const QString text = textBox->Text();
  const qsizetype caret = textBox->SelStart();
  for (const LinkSpan& span : FindLinkSpans(text, links_)) {
    if (caret <= span.open || caret > span.close) continue;
    const QString inner = text.mid(span.open + 1, span.close - span.open - 1);
    textBox->setSelStart(static_cast<int>(span.open));
    textBox->setSelLength(static_cast<int>(span.close - span.open + 1));
    textBox->setSelText(inner);
    textBox->setSelStart(static_cast<int>(span.open));
    textBox->setSelLength(static_cast<int>(inner.size()));
    textBox->setSelColor(platform::rtl::Color(kPlainColour));
    textBox->setSelUnderline(false);
    links_.remove(inner);
    return;
  }
}

// The box keeps its text without any link mark, and so without the links' colours; the link
// table keeps its rows.
void EditorWindow::stripLinkMarks() {
  QString text = textBox->Text();
  if (!text.contains(kLinkMark)) return;
  text.remove(kLinkMark);
  textBox->setText(text);
}

}  // namespace webpage
