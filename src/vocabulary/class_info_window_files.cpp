#include <QDir>
#include <QFileInfo>

#include "platform/files/locations.h"
#include "platform/windows/progress_box.h"
#include "shared/file_services.h"
#include "shared/reg_settings.h"
#include "vocabulary/class_info_window.h"

namespace vocabulary {
namespace {

const QString kAppName = QStringLiteral("Lexorama");
const QString kSettingSection = QStringLiteral("Setting");
const QString kCurrentFilePathKey = QStringLiteral("CurrentFilePath");

// The one backup of the word-list folder, beside the password check file.
QString backupFolder() {
  return QDir(platform::locations::passwordFolder()).filePath(QStringLiteral("Lexorama Assignments"));
}

}  // namespace

void ClassInfoWindow::AddPictures() {
  const QString chosen =
      shared::BrowseForFolder(lexorama_.runtime().interaction(), QStringLiteral("Please select a folder."));
  if (chosen.isEmpty()) return;
  const QString pictures = platform::locations::resolve(lexorama_.practice.DataFolder,
                                                        QStringLiteral("Resources\\Pics"));
  const int copied =
      shared::CopyMatchingFiles(lexorama_, chosen, pictures, QStringLiteral("*.jpg")) +
      shared::CopyMatchingFiles(lexorama_, chosen, pictures, QStringLiteral("*.gif"));
  lexorama_.MsgBox(QString::number(copied) + QStringLiteral(" files copied to ") +
                   platform::locations::forDisplay(pictures));
  if (copied > 0) {
    report(picturesAddedStatus, QStringLiteral("Pictures added."), true);
  } else {
    report(picturesAddedStatus, QStringLiteral("No pictures added."), false);
  }
}

void ClassInfoWindow::DeletePictures() {
  if (lexorama_.MsgBox(QStringLiteral("Pressing Yes will delete all the pictures in the Lexorama "
                                      "picture folder.\r\nDo you want to do this?"),
                       platform::vbYesNo) != platform::vbYes) {
    return;
  }
  const QString pictures = platform::locations::resolve(lexorama_.practice.DataFolder,
                                                        QStringLiteral("Resources\\Pics"));
  if (!QFileInfo(pictures).isDir()) {
    report(picturesDeletedStatus, QStringLiteral("There is no picture folder."), false);
  } else if (shared::EmptyFolder(pictures)) {
    report(picturesDeletedStatus, QStringLiteral("Pictures deleted."), true);
  } else {
    report(picturesDeletedStatus, QStringLiteral("Some pictures could not be deleted."), false);
  }
}

void ClassInfoWindow::BackUp() {
  const QString openPath =
      shared::GetRegSetting(lexorama_.runtime().registry(), kAppName, kSettingSection,
                            QStringLiteral("OpenPath"), lexorama_.practice.LastOpenedFile);
  if (openPath.isEmpty() || !QFileInfo(openPath).isAbsolute()) {
    lexorama_.MsgBox(QStringLiteral("Open a word list first: its folder is the one backed up."));
    return;
  }
  const QString wordListFolder = QFileInfo(openPath).absolutePath();
  platform::ProgressBox progress(this, QStringLiteral("Backing up..."));
  switch (shared::CopyFolderContents(
      lexorama_, wordListFolder, backupFolder(),
      [&progress](qsizetype done, qsizetype total) { return progress.update(done, total); })) {
    case shared::FolderCopy::Cancelled:
      report(backUpStatus, QStringLiteral("Backup cancelled."), false);
      return;
    case shared::FolderCopy::Failed:
      report(backUpStatus, QStringLiteral("Backup failed."), false);
      return;
    case shared::FolderCopy::Copied:
      break;
  }
  shared::SaveRegSetting(lexorama_.runtime().registry(), kAppName, kSettingSection,
                         kCurrentFilePathKey, wordListFolder);
  report(backUpStatus, QStringLiteral("Data backed up."), true);
}

void ClassInfoWindow::Restore() {
  if (lexorama_.MsgBox(QStringLiteral("Restoring the last back up will replace your current "
                                      "student, teacher, password and data files with those "
                                      "from your most recent backup."),
                       platform::vbOKCancel,
                       QStringLiteral("Restore data from last backup")) != platform::vbOK) {
    return;
  }
  const QString wordListFolder = shared::GetRegSetting(
      lexorama_.runtime().registry(), kAppName, kSettingSection, kCurrentFilePathKey, QString());
  if (wordListFolder.isEmpty() || !QFileInfo(wordListFolder).isAbsolute() ||
      !QFileInfo(backupFolder()).isDir()) {
    lexorama_.MsgBox(QStringLiteral("There is no backup to restore."));
    report(restoreStatus, QStringLiteral("No backup to restore."), false);
    return;
  }
  platform::ProgressBox progress(this, QStringLiteral("Restoring..."));
  switch (shared::CopyFolderContents(
      lexorama_, backupFolder(), wordListFolder,
      [&progress](qsizetype done, qsizetype total) { return progress.update(done, total); })) {
    case shared::FolderCopy::Cancelled:
      report(restoreStatus, QStringLiteral("Restore cancelled."), false);
      return;
    case shared::FolderCopy::Failed:
      report(restoreStatus, QStringLiteral("Data not all restored."), false);
      return;
    case shared::FolderCopy::Copied:
      report(restoreStatus, QStringLiteral("Data restored."), true);
      return;
  }
}

void ClassInfoWindow::Purge() {
  if (lexorama_.MsgBox(QStringLiteral("Permanently delete ") +
                           QStringLiteral("Lexorama Assignments BackUp?"),
                       platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Delete Directory?")) != platform::vbYes) {
    return;
  }
  if (!QFileInfo(backupFolder()).isDir()) {
    lexorama_.MsgBox(QStringLiteral("There are no backup files to delete."));
    return;
  }
  if (shared::DeleteFolder(backupFolder())) {
    report(backUpStatus, QStringLiteral("Backup files have been deleted."), true);
  } else {
    report(backUpStatus, QStringLiteral("Some backup files could not be deleted."), false);
  }
}

}  // namespace vocabulary
