// Opening a document and saving it as plain text.
#include <QFile>

#include "platform/files/textfile.h"
#include "platform/text/text_positions.h"
#include "platform/system/errors.h"
#include "shared/document_files.h"
#include "webpage/editor_window.h"

namespace webpage {
namespace {

const QString kCaption = QStringLiteral("Webloom");
const QString kCaptionGap = QStringLiteral("   ");

}  // namespace

void EditorWindow::onOpen() {
  fileDialog.DialogTitle = QStringLiteral("Open");
  fileDialog.CancelError = false;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter =
      QStringLiteral("Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf|All Files (*.*)|*.*|");
  fileDialog.FileName.clear();
  fileDialog.ShowOpen();
  const QString name = fileDialog.FileName;
  if (name.isEmpty()) return;
  if (const QString failure = shared::LoadDocument(*textBox, name); !failure.isEmpty()) {
    webloom_.MsgBox(failure);
    return;
  }
  setCaption(kCaption + kCaptionGap + name);
}

void EditorWindow::onSaveAsText() {
  if (textBox->Text().isEmpty()) {
    webloom_.MsgBox(shared::BlankDocumentRefusal(kCaption), platform::vbCritical, kCaption);
    return;
  }
  fileDialog.FileName = paperTitleBox->Text();
  fileDialog.DialogTitle = QStringLiteral("Save As...");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNOverwritePrompt | platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Text Files (*.txt)|*.txt");
  if (!fileDialog.TryShowSave()) return;
  const QString name = fileDialog.FileName;
  if (name.isEmpty()) return;
  // The marks leave the editor only once the file is written, so a failed save keeps the links.
  QString plainText = platform::textpos::withoutPictures(textBox->Text());
  plainText.remove(kLinkMark);
  const QString failure =
      platform::textfile::writeAtomic(name, plainText + QStringLiteral("\r\n"));
  if (!failure.isEmpty()) {
    webloom_.MsgBox(failure, platform::vbCritical, kCaption);
    return;
  }
  stripLinkMarks();
  setCaption(QLatin1Char(' ') + kCaption + kCaptionGap + name);
}

}  // namespace webpage
