// The editor's New, Open, Save As, Print and Font commands.
#include <QFile>
#include <QFileInfo>

#include "essay/editor_window.h"
#include "essay/assignment_file.h"
#include "essay/workspace_texts.h"
#include "platform/system/errors.h"
#include "platform/files/textfile.h"
#include "shared/print_rtb.h"
#include "shared/reg_settings.h"

namespace essay {
namespace {

const QString kCaption = QStringLiteral("Quillora Editor");
const QString kFilter = QStringLiteral("Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf");
constexpr int kRichTextFilter = 2;
constexpr int kFontFlags = 259;  // screen and printer fonts, effects
constexpr qint64 kBinaryProbeBytes = 8192;

const QString kBlankDocument = QStringLiteral(
    "Quillora Editor will not save a blank document.\r\nThis is a safety precaution to avoid "
    "overwriting an existing file with a blank one.");

const QString kPrintFailed =
    QStringLiteral("The document could not be printed. Please check the printer and try again.");

// A file with NUL bytes near its start is no text the box can show.
bool looksBinary(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.read(kBinaryProbeBytes).contains('\0');
}

bool isPlainTextName(const QString& path) {
  return path.endsWith(QLatin1String("txt"), Qt::CaseInsensitive);
}

}  // namespace

void EditorWindow::NewDocument() {
  if (quillora_.MsgBox(QStringLiteral("Delete all text?"), platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Quillora")) == platform::vbYes) {
    RichTextBox1->setText(QString());
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
    CommonDialog1.InitDir = openStartFolder(stored);
  }
  CommonDialog1.DialogTitle = QStringLiteral("Open");
  CommonDialog1.CancelError = true;
  CommonDialog1.Flags = platform::cdlOFNHideReadOnly;
  CommonDialog1.Filter = kFilter;
  try {
    CommonDialog1.ShowOpen();
  } catch (const platform::RuntimeError&) {
    return;
  }
  const QString name = CommonDialog1.FileName;
  if (name.isEmpty()) return;
  store_.FirstOpen = false;
  if (!loadBox(name)) {
    quillora_.MsgBox(QStringLiteral("Can't open file: ") + name);
    return;
  }
  setCaption(kCaption + QStringLiteral("   ") + name);
}

// The box as it was stays when the file cannot be shown.
bool EditorWindow::loadBox(const QString& path) {
  if (looksBinary(path)) return false;
  try {
    RichTextBox1->LoadFile(path);
  } catch (const platform::RuntimeError&) {
    return false;
  }
  return true;
}

void EditorWindow::mnuFileSaveAs_Click() {
  if (RichTextBox1->Text().isEmpty()) {
    quillora_.MsgBox(kBlankDocument, platform::vbCritical, kCaption);
    return;
  }
  CommonDialog1.FileName.clear();
  CommonDialog1.DialogTitle = QStringLiteral("Save As...");
  CommonDialog1.CancelError = true;
  CommonDialog1.Flags = platform::cdlOFNOverwritePrompt | platform::cdlOFNHideReadOnly;
  CommonDialog1.Filter = kFilter;
  try {
    CommonDialog1.ShowSave();
  } catch (const platform::RuntimeError&) {
    return;
  }
  QString name = CommonDialog1.FileName;
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) {
    name += CommonDialog1.FilterIndex == kRichTextFilter ? QStringLiteral(".rtf")
                                                         : QStringLiteral(".txt");
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
    failure = platform::textfile::writeAtomic(path, RichTextBox1->Text() + QStringLiteral("\r\n"));
  } else {
    try {
      RichTextBox1->SaveFile(path);
    } catch (const platform::RuntimeError& error) {
      failure = error.description();
    }
  }
  if (!failure.isEmpty()) {
    quillora_.MsgBox(texts::cannotSave(failure), platform::vbExclamation, kCaption);
    return;
  }
  setCaption(kCaption + QStringLiteral("   ") + path);
}

void EditorWindow::mnuFilePrint_Click() {
  if (shared::PrintWholeBox(CommonDialog1, *RichTextBox1, 2880, 720, 2880, 720,
                            quillora_.runtime().printer()) == shared::PrintOutcome::Failed) {
    quillora_.MsgBox(kPrintFailed, platform::vbExclamation);
  }
}

void EditorWindow::mnuFont_Click() {
  CommonDialog1.DialogTitle = QStringLiteral("Font");
  CommonDialog1.FontSize = 12;
  CommonDialog1.Flags = kFontFlags;
  CommonDialog1.CancelError = true;
  try {
    CommonDialog1.ShowFont();
  } catch (const platform::RuntimeError&) {
    return;
  }
  if (!CommonDialog1.FontName.isEmpty()) RichTextBox1->setSelFontName(CommonDialog1.FontName);
  if (CommonDialog1.FontSize > 0) RichTextBox1->setSelFontSize(CommonDialog1.FontSize);
  RichTextBox1->setSelStrikethru(CommonDialog1.FontStrikethru);
  RichTextBox1->setSelUnderline(CommonDialog1.FontUnderline);
  RichTextBox1->setSelBold(CommonDialog1.FontBold);
  RichTextBox1->setSelItalic(CommonDialog1.FontItalic);
}

}  // namespace essay
