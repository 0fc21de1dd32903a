#include "webpage/page_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/files/locations.h"
#include "shared/file_services.h"

namespace webpage {

const QString kNotAFolderName = QStringLiteral(
    "The title of your paper is also the name of the folder for your web page, so it cannot be "
    "\".\" or \"..\" and cannot contain \"/\", \"\\\" or control characters. Please change the "
    "title and try again.");

bool IsPlainFolderName(const QString& title) {
  if (title.isEmpty() || title == QLatin1String(".") || title == QLatin1String("..")) return false;
  return std::none_of(title.cbegin(), title.cend(), [](QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
  });
}

bool IsTakenByOtherFiles(const QString& pageFolder) {
  const QFileInfo info(pageFolder);
  if (!info.exists() && !info.isSymLink()) return false;
  if (!info.isDir()) return true;
  const QDir folder(pageFolder);
  return !QFileInfo::exists(folder.filePath(kPageFileName)) &&
         !folder.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QString NotAPageFolder(const QString& pageFolder) {
  const QFileInfo info(pageFolder);
  const QString where = QStringLiteral(" called \"") + info.fileName() +
                        QStringLiteral("\" is already in ") +
                        QDir::toNativeSeparators(info.path());
  const QString found = info.isDir() ? QStringLiteral("A folder") + where +
                                           QStringLiteral(" and holds other files")
                                     : QStringLiteral("A file") + where;
  return found + QStringLiteral(
                     ", so your web page was not saved there and nothing was changed. Please "
                     "give your paper another title, or choose another folder.");
}

namespace {

// A link inside the folder is itself inside, wherever it points.
bool isInside(const QString& path, const QString& folder) {
  const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
  const QString parent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
  return !canonicalFolder.isEmpty() && !parent.isEmpty() &&
         (parent == canonicalFolder || parent.startsWith(canonicalFolder + QLatin1Char('/')));
}

}  // namespace

bool KeepAsideFilesInside(std::vector<FileCopy>& copies, const QString& folder,
                          QTemporaryDir& aside) {
  int kept = 0;
  for (FileCopy& copy : copies) {
    if (!isInside(copy.source, folder)) continue;
    if (!aside.isValid()) return false;
    const QString keptCopy = aside.filePath(QString::number(kept++));
    if (!QFile::copy(copy.source, keptCopy)) return false;
    copy.source = keptCopy;
  }
  return true;
}

QStringList CopyPageFiles(platform::Program& program, const std::vector<FileCopy>& copies,
                          const QString& pageFolder) {
  QStringList missing;
  for (const FileCopy& copy : copies) {
    if (!shared::ShellFileCopy(program, copy.source, QDir(pageFolder).filePath(copy.fileName),
                               false)) {
      missing.append(QDir::toNativeSeparators(copy.source));
    }
  }
  return missing;
}

QString FolderProblem(const QString& what, const QString& folder) {
  return QStringLiteral("The folder ") + QDir::toNativeSeparators(folder) + QLatin1Char(' ') +
         what + QStringLiteral(". Your files were not saved.");
}

QString FilesNotCopied(const QStringList& files) {
  return QStringLiteral(
             "Your web page was written, but these linked files could not be copied "
             "into its folder:\r\n") +
         files.join(QStringLiteral("\r\n"));
}

void RemovePreviewFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (info.isSymLink() || !info.isDir()) return;
  const QString root = QFileInfo(platform::locations::previewFolder()).canonicalFilePath();
  if (root.isEmpty() || QFileInfo(info.canonicalFilePath()).path() != root) return;
  shared::EmptyFolder(folder);
  QDir().rmdir(folder);
}

}  // namespace webpage
