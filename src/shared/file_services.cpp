#include "shared/file_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
// complete.
bool copyWhole(const QString& source, const QString& destination) {
  QFile input(source);
  if (!QFileInfo(source).isFile() || !input.open(QIODevice::ReadOnly)) return false;
  QSaveFile output(destination);
  if (!output.open(QIODevice::WriteOnly)) return false;
  while (!input.atEnd()) {
    const QByteArray chunk = input.read(kChunkBytes);
    if (chunk.isEmpty() && input.error() != QFileDevice::NoError) return false;
    if (output.write(chunk) != chunk.size()) return false;
  }
  return output.commit();
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
  for (const QFileInfo& match : matches) {
    if (match.isFile())
      copyWhole(match.filePath(), QDir(destinationFolder).filePath(match.fileName()));
  }
  return static_cast<int>(matches.size());
}

bool ShellFileCopy(platform::Program& program, const QString& source, const QString& destination,
                   bool noConfirmation) {
  // A file copied onto itself is already where it should be.
  if (sameFile(source, destination)) return true;
  if (QFileInfo::exists(destination) && !noConfirmation && !confirmReplace(program, destination)) {
    return false;
  }
  return copyWhole(source, destination);
}

bool EmptyFolder(const QString& folder) {
  const QDir dir(folder);
  if (folder.isEmpty() || !dir.exists()) return false;
  for (const QString& name : dir.entryList(kFilesOnly)) QFile::remove(dir.filePath(name));
  return dir.entryList(kFilesOnly).isEmpty();
}

}  // namespace shared
