// Save As and Print of the workspace.
#include <QFile>
#include <QFileInfo>

#include "essay/assignment_file.h"
#include "essay/workspace_window.h"
#include "essay/workspace_texts.h"
#include "platform/system/errors.h"
#include "platform/files/textfile.h"
#include "shared/document_files.h"
#include "shared/print_rtb.h"
#include "shared/small_routines.h"

namespace essay {
namespace {

const QString kTextFilter = QStringLiteral("Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf");
constexpr int kTextFilterIndex = 1;

bool isReadOnly(const QString& path) {
  return !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

}  // namespace

void WorkspaceWindow::onSaveAs() {
  RecordStep();
  if (PreviousStep == kIntroduction || PreviousStep == kMainIdea1 || PreviousStep == kMainIdea2 ||
      PreviousStep == kMainIdea3 || PreviousStep == kConclusion) {
    storeParagraph(PreviousStep, paragraphBox->Text());
  }
  if (store_.IntroParagraph.isEmpty() && store_.MainIdea1Paragraph.isEmpty() &&
      store_.MainIdea2Paragraph.isEmpty() && store_.MainIdea3Paragraph.isEmpty() &&
      store_.ConclusionParagraph.isEmpty()) {
    quillora_.MsgBox(shared::BlankDocumentRefusal(QStringLiteral("Quillora")), platform::vbCritical,
                     QStringLiteral("Quillora"));
    return;
  }
  if (FinishCount > 0) {
    saveFinishedEssay();
  } else {
    saveAssignmentFile();
  }
}

void WorkspaceWindow::saveFinishedEssay() {
  fileDialog.FileName.clear();
  fileDialog.DialogTitle = QStringLiteral("Save As...");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNOverwritePrompt;
  fileDialog.Filter = kTextFilter;
  if (!fileDialog.TryShowSave()) return;
  QString path = fileDialog.FileName;
  QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QLatin1String("txt") && suffix != QLatin1String("rtf")) {
    suffix = fileDialog.FilterIndex == kTextFilterIndex ? QStringLiteral("txt")
                                                             : QStringLiteral("rtf");
    path += QLatin1Char('.') + suffix;
  }
  const QString content = finishedEssayText(suffix == QLatin1String("rtf")) + QStringLiteral("\r\n");
  const QString failure = platform::textfile::writeBytesAtomic(path, content.toUtf8());
  if (!failure.isEmpty()) {
    quillora_.MsgBox(failure, platform::vbExclamation);
    return;
  }
  OpensSinceSave = 0;
}

// The finished essay as the student left it: the box while it shows the essay, else the kept copy.
QString WorkspaceWindow::finishedEssayText(bool richText) {
  const bool onScreen = store_.CurrentStep == kFinished || FinishedRTF.isEmpty();
  if (onScreen) return richText ? paragraphBox->TextRTF() : paragraphBox->Text();
  if (richText) return FinishedRTF;
  essayScratchBox->setTextRTF(FinishedRTF);
  return essayScratchBox->Text();
}

void WorkspaceWindow::saveAssignmentFile() {
  Assignment assignment;
  assignment.studentName = store_.StudentName;
  assignment.themeLine = store_.ThemeLine;
  assignment.introLine = store_.IntroLine;
  assignment.mainIdeaBlocks = {MainIdea1Outline, MainIdea2Outline, MainIdea3Outline};
  assignment.conclusionLine = store_.ConclusionLine;
  assignment.paragraphs = {store_.IntroParagraph, store_.MainIdea1Paragraph,
                           store_.MainIdea2Paragraph, store_.MainIdea3Paragraph,
                           store_.ConclusionParagraph};
  const QChar unstorable = unstorableCharacter(assignment);
  if (!unstorable.isNull()) {
    quillora_.MsgBox(texts::unstorableCharacter(unstorable), platform::vbExclamation);
    return;
  }

  fileDialog.FileName.clear();
  fileDialog.DialogTitle = QStringLiteral("Save As...");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Quillora File (*.ql)|*.ql");
  if (!fileDialog.TryShowSave()) return;
  const QString path = fileDialog.FileName;
  if (shared::FileExists(path) && isReadOnly(path)) {
    quillora_.MsgBox(texts::kReadOnlyTarget, platform::vbCritical);
    return;
  }
  if (shared::FileExists(path) && !confirmReplace(path)) return;
  const QString failure = writeAssignmentFile(path, assignment);
  if (!failure.isEmpty()) {
    quillora_.MsgBox(failure, platform::vbExclamation);
    return;
  }
  store_.CurrentFile = path;
  showAssignmentCaption(3);
  OpensSinceSave = 0;
}

bool WorkspaceWindow::confirmReplace(const QString& path) {
  return quillora_.MsgBox(texts::alreadyExists(path), platform::vbYesNo | platform::vbQuestion,
                          QStringLiteral("Quillora")) == platform::vbYes;
}

void WorkspaceWindow::onPrint() {
  const shared::PrintResult printed = shared::PrintWholeBox(
      fileDialog, *paragraphBox, 2880, 720, 2880, 720, quillora_.runtime().printer());
  if (printed.outcome == shared::PrintOutcome::Failed) {
    quillora_.MsgBox(texts::kPrintFailed + QLatin1Char(' ') + printed.failure,
                     platform::vbExclamation);
  }
}

}  // namespace essay
