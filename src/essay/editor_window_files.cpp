// The editor's New, Open, Save As, Print and Font commands.
#include <QFile>
#include <QFileInfo>

#include "essay/editor_window.h"
#include "essay/assignment_file.h"
#include "essay/workspace_texts.h"
#include "platform/system/errors.h"
#include "platform/files/textfile.h"
#include "platform/text/text_positions.h"
#include "shared/document_files.h"
#include "shared/print_rtb.h"
#include "shared/reg_settings.h"

namespace essay {
namespace {

const QString kCaption = QStringLiteral("Quillora Editor");
const QString kFilter = QStringLiteral("Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf");
constexpr int kRichTextFilter = 2;
constexpr int kFontFlags = 259;  // screen and printer fonts, effects

const QString kPrintFailed = QStringLiteral("The document could not be printed.");

bool isPlainTextName(const QString& path) {
  return path.endsWith(QLatin1String("txt"), Qt::CaseInsensitive);
}

}  // namespace

void EditorWindow::NewDocument() {
  if (quillora_.MsgBox(QStringLiteral("Delete all text?"), platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Quillora")) == platform::vbYes) {
    documentBox->setText(QString());
  }
}

void EditorWindow::OpenDocument() {
  if (store_.FirstOpen) {
    QString stored = store_.LastOpenedFile;
    try {
      stored = shared::GetRegSetting(quillora_.runtime().registry(), QStringLiteral("Quillora"),
                                     QStringLiteral("Setting"), QStringLiteral("OpenPath"),
                                     store_.LastOpenedFile);
    } catch (const platform::RuntimeError&) {
      // Without the stored path the dialog starts where the last open left off.
    }
    fileDialog.InitDir = openStartFolder(stored);
  }
  fileDialog.DialogTitle = QStringLiteral("Open");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = kFilter;
  if (!fileDialog.TryShowOpen()) return;
  const QString name = fileDialog.FileName;
  if (name.isEmpty()) return;
  store_.FirstOpen = false;
  if (const QString failure = shared::LoadDocument(*documentBox, name); !failure.isEmpty()) {
    quillora_.MsgBox(failure);
    return;
  }
  setCaption(kCaption + QStringLiteral("   ") + name);
}

void EditorWindow::onSaveAs() {
  if (documentBox->Text().isEmpty()) {
    quillora_.MsgBox(shared::BlankDocumentRefusal(kCaption), platform::vbCritical, kCaption);
    return;
  }
  fileDialog.FileName.clear();
  fileDialog.DialogTitle = QStringLiteral("Save As...");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNOverwritePrompt | platform::cdlOFNHideReadOnly;
  fileDialog.Filter = kFilter;
  if (!fileDialog.TryShowSave()) return;
  QString name = fileDialog.FileName;
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) {
    name +=
        fileDialog.FilterIndex == kRichTextFilter ? QStringLiteral(".rtf") : QStringLiteral(".txt");
    // The dialog asked about the name without its extension, not about this file.
    if (QFileInfo::exists(name) && !confirmReplace(name)) return;
  }
  saveBoxAs(name);
}

bool EditorWindow::confirmReplace(const QString& path) {
  return quillora_.MsgBox(texts::alreadyExists(path), platform::vbYesNo | platform::vbQuestion,
                          kCaption) == platform::vbYes;
}

void EditorWindow::saveBoxAs(const QString& path) {
  QString failure;
  if (isPlainTextName(path)) {
    const QString text = platform::textpos::withoutPictures(documentBox->Text());
    failure = platform::textfile::writeAtomic(path, text + QStringLiteral("\r\n"));
  } else {
    try {
      documentBox->SaveFile(path);
    } catch (const platform::RuntimeError& error) {
      failure = error.description();
    }
  }
  if (!failure.isEmpty()) {
    quillora_.MsgBox(failure, platform::vbExclamation, kCaption);
    return;
  }
  setCaption(kCaption + QStringLiteral("   ") + path);
}

void EditorWindow::onPrint() {
  const shared::PrintResult printed = shared::PrintWholeBox(
      fileDialog, *documentBox, 2880, 720, 2880, 720, quillora_.runtime().printer());
  if (printed.outcome == shared::PrintOutcome::Failed) {
    quillora_.MsgBox(kPrintFailed + QLatin1Char(' ') + printed.failure, platform::vbExclamation);
  }
}

void EditorWindow::onFont() {
  fileDialog.DialogTitle = QStringLiteral("Font");
  fileDialog.FontSize = 12;
  fileDialog.Flags = kFontFlags;
  fileDialog.CancelError = true;
  if (!fileDialog.TryShowFont()) return;
  if (!fileDialog.FontName.isEmpty()) documentBox->setSelFontName(fileDialog.FontName);
  if (fileDialog.FontSize > 0) documentBox->setSelFontSize(fileDialog.FontSize);
  documentBox->setSelStrikethru(fileDialog.FontStrikethru);
  documentBox->setSelUnderline(fileDialog.FontUnderline);
  documentBox->setSelBold(fileDialog.FontBold);
  documentBox->setSelItalic(fileDialog.FontItalic);
}

}  // namespace essay
