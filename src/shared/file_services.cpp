#include "shared/file_services.h"

#include <QDir>
#include <QDirIterator>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/files/locations.h"
#include "platform/windows/interaction.h"
#include "platform/windows/program.h"

namespace shared {
namespace {

constexpr qint64 kChunkBytes = 1 << 20;

constexpr QDir::Filters kFilesOnly = QDir::Files | QDir::Hidden | QDir::System;

bool sameFile(const QString& first, const QString& second) {
  const QString canonical = QFileInfo(first).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
}

// Streams `source` into `destination` through a file beside it that replaces it only once
// complete; `progress` is told the bytes copied after each part.
bool copyWhole(const QString& source, const QString& destination,
               const CopyProgress& progress = {}) {
  QFile input(source);
  if (!QFileInfo(source).isFile() || !input.open(QIODevice::ReadOnly)) return false;
  QSaveFile output(destination);
  if (!output.open(QIODevice::WriteOnly)) return false;
  const qint64 total = input.size();
  while (!input.atEnd()) {
    const QByteArray chunk = input.read(kChunkBytes);
    if (chunk.isEmpty() && input.error() != QFileDevice::NoError) return false;
    if (output.write(chunk) != chunk.size()) return false;
    if (progress && !progress(input.pos(), total)) return false;
  }
  // Only the flush shows whether the disk took the buffered rest; a copy cut short by a full
  // disk must not replace the destination.
  return output.flush() && output.commit();
}

bool confirmReplace(platform::Program& program, const QString& destination) {
  const QString text = QStringLiteral("This folder already contains a file named \"") +
                       QFileInfo(destination).fileName() +
                       QStringLiteral("\".\r\nDo you want to replace it?");
  return program.MsgBox(text, platform::vbYesNo | platform::vbQuestion) == platform::vbYes;
}

}  // namespace

QString BrowseForFolder(platform::Interaction& interaction, const QString& title) {
  return interaction.chooseFolder(title, QString());
}

int CopyMatchingFiles(platform::Program& program, const QString& sourceFolder,
                      const QString& destinationFolder, const QString& pattern) {
  QDir().mkpath(destinationFolder);
  QDir source(sourceFolder);
  source.setNameFilters({pattern});
  const QFileInfoList matches = source.exists()
                                    ? source.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot)
                                    : QFileInfoList();
  if (matches.isEmpty()) {
    program.MsgBox(QStringLiteral("No ") + pattern + QStringLiteral(" files found."));
    return 0;
  }
  int copied = 0;
  for (const QFileInfo& match : matches) {
    if (match.isFile() &&
        copyWhole(match.filePath(), QDir(destinationFolder).filePath(match.fileName()))) {
      ++copied;
    }
  }
  return copied;
}

bool ShellFileCopy(platform::Program& program, const QString& source, const QString& destination,
                   bool noConfirmation, const CopyProgress& progress) {
  // A file copied onto itself is already where it should be.
  if (sameFile(source, destination)) return true;
  if (QFileInfo::exists(destination) && !noConfirmation && !confirmReplace(program, destination)) {
    return false;
  }
  return copyWhole(source, destination, progress);
}

namespace {

// The files below `folder`, relative to it, without following links to folders.
QStringList filesBelow(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, kFilesOnly | QDir::Dirs | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  const QDir root(folder);
  while (it.hasNext()) {
    const QFileInfo entry = it.nextFileInfo();
    if (entry.isFile()) files.append(root.relativeFilePath(entry.filePath()));
  }
  return files;
}

// Yes replaces, No keeps, Cancel stops; nothing to ask when no file would be replaced.
int askAboutReplacing(platform::Program& program, const QStringList& files,
                      const QString& destinationFolder) {
  const QDir destination(destinationFolder);
  const auto existing = std::count_if(files.begin(), files.end(), [&](const QString& file) {
    return QFileInfo::exists(destination.filePath(file));
  });
  if (existing == 0) return platform::vbYes;
  return program.MsgBox(QStringLiteral("The folder \"%1\" already holds %2 of these files.\r\n"
                                       "Do you want to replace them?")
                            .arg(platform::locations::forDisplay(destinationFolder))
                            .arg(existing),
                        platform::vbYesNoCancel | platform::vbQuestion);
}

}  // namespace

FolderCopy CopyFolderContents(platform::Program& program, const QString& sourceFolder,
                              const QString& destinationFolder, const CopyProgress& progress) {
  if (!QFileInfo(sourceFolder).isDir()) return FolderCopy::Failed;
  const QStringList files = filesBelow(sourceFolder);
  const int answer = askAboutReplacing(program, files, destinationFolder);
  if (answer == platform::vbCancel) return FolderCopy::Cancelled;
  const QDir source(sourceFolder);
  const QDir destination(destinationFolder);
  bool whole = true;
  for (qsizetype i = 0; i < files.size(); ++i) {
    if (progress && !progress(i, files.size())) return FolderCopy::Cancelled;
    const QString target = destination.filePath(files.at(i));
    if (answer == platform::vbNo && QFileInfo::exists(target)) continue;
    whole = QDir().mkpath(QFileInfo(target).path()) &&
            copyWhole(source.filePath(files.at(i)), target) && whole;
  }
  if (progress) progress(files.size(), files.size());
  whole = QDir().mkpath(destinationFolder) && whole;
  return whole ? FolderCopy::Copied : FolderCopy::Failed;
}

bool DeleteFolder(const QString& folder) {
  // Qt removes links without following them.
  return QDir(folder).removeRecursively();
}

bool EmptyFolder(const QString& folder) {
  const QDir dir(folder);
  if (folder.isEmpty() || !dir.exists()) return false;
  for (const QString& name : dir.entryList(kFilesOnly)) QFile::remove(dir.filePath(name));
  return dir.entryList(kFilesOnly).isEmpty();
}

}  // namespace shared
