// The reading window's New, Open, Save, Print and Font commands.
#include "platform/files/textfile.h"
#include "platform/system/errors.h"
#include "platform/text/text_positions.h"
#include "reading/reading_window.h"
#include "shared/document_files.h"
#include "shared/print_rtb.h"

namespace reading {
namespace {

const QString kCaption = QStringLiteral("Voxlet!");
const QString kCaptionGap = QStringLiteral("   ");
const QString kPrintFailed = QStringLiteral("The document could not be printed.");
constexpr double kNewFontSize = 14;
constexpr long kFontFlags = 3;  // screen and printer fonts

}  // namespace

void ReadingWindow::onNew() {
  textBox->selectAll();
  textBox->setText(QString());
  definitionBox->setText(QString());
  fileDialog.FontName = QStringLiteral("Arial");
  fileDialog.FontSize = kNewFontSize;
  textBox->setFont(QFont(fileDialog.FontName, static_cast<int>(fileDialog.FontSize)));
  textBox->setSelFontName(fileDialog.FontName);
  textBox->setSelFontSize(kNewFontSize);
  setCaption(kCaption);
  backgroundFrame->show();
}

void ReadingWindow::onOpen() {
  fileDialog.DialogTitle = QStringLiteral("Open");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral(
      "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf");
  if (!fileDialog.TryShowOpen()) return;
  const QString name = fileDialog.FileName;
  if (name.isEmpty()) return;
  if (const QString failure = shared::LoadDocument(*textBox, name); !failure.isEmpty()) {
    voxlet_.MsgBox(failure, platform::vbExclamation);
    return;
  }
  reapplyBlack();
  setCaption(kCaption + kCaptionGap + name);
  textBox->setFocus();
}

void ReadingWindow::onSave() {
  if (textBox->Text().isEmpty()) {
    voxlet_.MsgBox(shared::BlankDocumentRefusal(kCaption), platform::vbCritical, kCaption);
    return;
  }
  fileDialog.DialogTitle = QStringLiteral("Save As...");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNOverwritePrompt | platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf");
  if (!fileDialog.TryShowSave()) return;
  const QString name = fileDialog.FileName;
  if (name.isEmpty()) return;
  // A name ending in "RTF" is as much a rich-text file as one ending in "rtf".
  const bool richText = name.right(3).compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0;
  const QString content =
      richText ? textBox->TextRTF() : platform::textpos::withoutPictures(textBox->Text());
  const QString failure = platform::textfile::writeAtomic(name, content + QStringLiteral("\r\n"));
  if (!failure.isEmpty()) {
    voxlet_.MsgBox(failure, platform::vbCritical, kCaption);
    return;
  }
  setCaption(QStringLiteral(" Voxlet") + kCaptionGap + name);
}

void ReadingWindow::onPrint() {
  const shared::PrintResult printed = shared::PrintWholeBox(
      fileDialog, *textBox, 2880, 720, 2880, 720, voxlet_.runtime().printer());
  if (printed.outcome == shared::PrintOutcome::Failed) {
    voxlet_.MsgBox(kPrintFailed + QLatin1Char(' ') + printed.failure, platform::vbExclamation);
  }
}

void ReadingWindow::ChooseTextFont() {
  const QFont font = textBox->font();
  fileDialog.FontName = font.family();
  fileDialog.FontSize = font.pointSizeF();
  fileDialog.FontBold = font.bold();
  fileDialog.FontItalic = font.italic();
  fileDialog.FontUnderline = font.underline();
  fileDialog.DialogTitle = QStringLiteral("Font");
  fileDialog.CancelError = true;
  fileDialog.Flags = kFontFlags;
  if (!fileDialog.TryShowFont()) return;
  if (!fileDialog.FontName.isEmpty()) textBox->setSelFontName(fileDialog.FontName);
  if (fileDialog.FontSize > 0) textBox->setSelFontSize(fileDialog.FontSize);
  textBox->setSelBold(fileDialog.FontBold);
  textBox->setSelItalic(fileDialog.FontItalic);
  textBox->setSelUnderline(fileDialog.FontUnderline);
  reapplyBlack();
}

}  // namespace reading
