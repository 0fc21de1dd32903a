// Opening a document and saving it as plain text.
#include <QFile>

#include "platform/files/textfile.h"
#include "platform/system/errors.h"
#include "webpage/editor_window.h"

namespace webpage {
namespace {

const QString kCaption = QStringLiteral("Webloom");
const QString kCaptionGap = QStringLiteral("   ");
constexpr qint64 kBinaryProbeBytes = 8192;

const QString kBlankDocument = QStringLiteral(
    "Webloom will not save a blank document.\r\nThis is a safety precaution to avoid "
    "overwriting an existing file with a blank one.");

// A file with NUL bytes near its start is no text the box can show.
bool looksBinary(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.read(kBinaryProbeBytes).contains('\0');
}

// The box stays as it was when the file cannot be shown.
bool loadInto(platform::RichTextBox& box, const QString& path) {
  if (looksBinary(path)) return false;
  try {
    box.LoadFile(path);
  } catch (const platform::RuntimeError&) {
    return false;
  }
  return true;
}

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
  if (!loadInto(*textBox, name)) {
    webloom_.MsgBox(QStringLiteral("Can't open file: ") + name);
    return;
  }
  setCaption(kCaption + kCaptionGap + name);
}

void EditorWindow::onSaveAsText() {
  if (textBox->Text().isEmpty()) {
    webloom_.MsgBox(kBlankDocument, platform::vbCritical, kCaption);
    return;
  }
  fileDialog.FileName = paperTitleBox->Text();
  fileDialog.DialogTitle = QStringLiteral("Save As...");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNOverwritePrompt | platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Text Files (*.txt)|*.txt");
  try {
    fileDialog.ShowSave();
  } catch (const platform::RuntimeError&) {
    return;
  }
  const QString name = fileDialog.FileName;
  if (name.isEmpty()) return;
  stripLinkMarks();
  const QString failure =
      platform::textfile::writeAtomic(name, textBox->Text() + QStringLiteral("\r\n"));
  if (!failure.isEmpty()) {
    webloom_.MsgBox(failure, platform::vbCritical, kCaption);
    return;
  }
  setCaption(QLatin1Char(' ') + kCaption + kCaptionGap + name);
}

}  // namespace webpage
