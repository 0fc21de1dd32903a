// The builder's Open, Save and Print.
#include <QFile>

#include "essay/assignment_builder_window.h"
#include "essay/workspace_texts.h"
#include "platform/system/errors.h"
#include "platform/files/locations.h"
#include "shared/print_rtb.h"
#include "shared/reg_settings.h"
#include "shared/small_routines.h"

namespace essay {
namespace {

const QString kSetting = QStringLiteral("Setting");
const QString kOpenPath = QStringLiteral("OpenPath");
constexpr int kHalfInch = 720;
const QString kPrintFailed = QStringLiteral("The assignment could not be printed.");

// The sample the first Open offers when no assignment has been opened before.
QString defaultSample() {
  return platform::locations::sampleAssignmentsFolder() + QStringLiteral("/5th Sample.ql");
}

bool isReadOnly(const QString& path) {
  return !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

}  // namespace

void AssignmentBuilderWindow::onOpenClicked() {
  ++OpensSinceSave;
  if (outline().started() && OpensSinceSave >= 2 &&
      quillora_.MsgBox(texts::kOpenNewFile, platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Quillora")) != platform::vbYes) {
    return;
  }
  const std::optional<QString> path = chooseFileToOpen();
  if (!path) return;
  // Read before anything changes, so a file that is no assignment leaves the work as it was.
  const std::optional<QString> text = readAssignmentText(*path);
  if (!text) {
    quillora_.MsgBox(texts::cannotOpen(*path), platform::vbExclamation);
    return;
  }
  store_.BuilderFilePath = *path;
  try {
    shared::SaveRegSetting(quillora_.runtime().registry(), quillora_.title(), kSetting, kOpenPath,
                           *path);
  } catch (const platform::RuntimeError&) {
    // The last path only decides where the next dialog starts.
  }
  loadAssignment(parseAssignment(*text));
}

std::optional<QString> AssignmentBuilderWindow::chooseFileToOpen() {
  QString lastPath = store_.LastOpenedFile;
  try {
    lastPath = shared::GetRegSetting(quillora_.runtime().registry(), quillora_.title(), kSetting,
                                     kOpenPath, store_.LastOpenedFile);
  } catch (const platform::RuntimeError&) {
    // An unreadable setting counts as none.
  }
  if (lastPath.isEmpty()) {
    fileDialog.FileName = defaultSample();
  } else if (!store_.FirstOpen) {
    fileDialog.FileName = lastPath;
  } else {
    fileDialog.InitDir = openStartFolder(lastPath);
  }
  fileDialog.DialogTitle = QStringLiteral("Open");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Quillora Files(*.ql)|*.ql");
  if (!fileDialog.TryShowOpen()) return std::nullopt;
  store_.FirstOpen = false;
  if (fileDialog.FileName.isEmpty()) return std::nullopt;
  return fileDialog.FileName;
}

// The file replaces all the builder held: an outline-only file brings no name or paragraphs, and
// none of another file's stay with it. The workspace's assignment is not touched.
void AssignmentBuilderWindow::loadAssignment(const Assignment& assignment) {
  store_.NamedAssignment = !assignment.outlineOnly;
  studentName_ = assignment.studentName;
  paragraphs_ = assignment.paragraphs;
  showOutline(builderOutlineOf(assignment));
}

void AssignmentBuilderWindow::onSaveClicked() {
  // Declining to replace an existing file asks for another name.
  for (;;) {
    if (!outlineStarted(QStringLiteral("save"))) return;
    store_.BuilderSaved = 0;
    store_.ThemeText = themeBox->Text();
    const Assignment assignment = assignmentOf(outline(), studentName_, paragraphs_);
    store_.BuilderText = assignmentRecord(assignment);
    if (const QChar unstorable = unstorableCharacter(assignment); !unstorable.isNull()) {
      quillora_.MsgBox(texts::unstorableCharacter(unstorable), platform::vbExclamation);
      return;
    }
    const std::optional<QString> path = chooseFileToSave();
    if (!path) return;
    if (shared::FileExists(*path) && isReadOnly(*path)) {
      quillora_.MsgBox(texts::kReadOnlyTarget, platform::vbCritical);
      return;
    }
    if (shared::FileExists(*path) &&
        quillora_.MsgBox(texts::alreadyExists(*path), platform::vbYesNo | platform::vbQuestion,
                         QStringLiteral("Quillora")) != platform::vbYes) {
      continue;
    }
    const QString failure = writeAssignmentFile(*path, assignment);
    if (!failure.isEmpty()) {
      quillora_.MsgBox(failure, platform::vbExclamation);
      return;
    }
    store_.BuilderFilePath = *path;
    store_.BuilderSaved = 1;
    OpensSinceSave = 0;
    return;
  }
}

std::optional<QString> AssignmentBuilderWindow::chooseFileToSave() {
  fileDialog.FileName.clear();
  fileDialog.DialogTitle = QStringLiteral("Save As...");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Quillora File (*.ql)|*.ql");
  if (!fileDialog.TryShowSave()) return std::nullopt;
  if (fileDialog.FileName.isEmpty()) return std::nullopt;
  return fileDialog.FileName;
}

void AssignmentBuilderWindow::onPrintClicked() {
  if (!outlineStarted(QStringLiteral("print"))) return;
  printBuffer->setText(outlinePrintText(outline(), studentName_));
  const shared::PrintResult printed =
      shared::PrintWholeBox(fileDialog, *printBuffer, kHalfInch, kHalfInch, kHalfInch, kHalfInch,
                            quillora_.runtime().printer());
  if (printed.outcome == shared::PrintOutcome::Failed) {
    quillora_.MsgBox(kPrintFailed + QLatin1Char(' ') + printed.failure, platform::vbExclamation);
  }
}

}  // namespace essay
