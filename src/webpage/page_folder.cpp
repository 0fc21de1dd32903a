#include "webpage/page_folder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

#include "platform/files/folder_build.h"
#include "platform/files/locations.h"
#include "platform/files/textfile.h"
#include "shared/file_services.h"

namespace webpage {

const QString kNotAFolderName = QStringLiteral(
    "The title of your paper is also the name of the folder for your web page, so it cannot be "
    "only blanks, \".\" or \"..\" and cannot contain \"/\", \"\\\" or control characters. "
    "Please change the title and try again.");
const QString kNotSaved = QStringLiteral("Your files were not saved.");

bool IsPlainFolderName(const QString& title) {
  if (title.trimmed().isEmpty() || title == QLatin1String(".") || title == QLatin1String("..")) {
    return false;
  }
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

QString NotAPageFolder(const QString& pageFolder, bool preview) {
  const QFileInfo info(pageFolder);
  const QString where = QStringLiteral(" called \"") + info.fileName() +
                        QStringLiteral("\" is already in ") +
                        QDir::toNativeSeparators(info.path());
  const QString found = info.isDir() ? QStringLiteral("A folder") + where +
                                           QStringLiteral(" and holds other files")
                                     : QStringLiteral("A file") + where;
  return found + (preview ? QStringLiteral(", so your web page cannot be previewed there and "
                                           "nothing was changed. Please give your paper another "
                                           "title to preview it.")
                          : QStringLiteral(", so your web page was not saved there and nothing "
                                           "was changed. Please give your paper another title, "
                                           "or choose another folder."));
}

namespace {

// "The folder <folder> <what>. Your files were not saved."
QString folderProblem(const QString& what, const QString& folder) {
  return QStringLiteral("The folder ") + QDir::toNativeSeparators(folder) + QLatin1Char(' ') +
         what + QStringLiteral(". ") + kNotSaved;
}

bool sameFile(const QString& first, const QString& second) {
  const QString canonical = QFileInfo(first).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
}

// The linked files still to be copied: a file linked from the page folder itself is in place.
std::vector<FileCopy> copiesNeeded(const std::vector<FileCopy>& copies, const QString& folder) {
  std::vector<FileCopy> needed;
  std::copy_if(copies.begin(), copies.end(), std::back_inserter(needed), [&](const FileCopy& c) {
    return !sameFile(c.source, QDir(folder).filePath(c.fileName));
  });
  return needed;
}

struct CopyResult {
  QStringList missing;  // the files not copied
  bool stopped = false;  // by the user
};

// Copies each file into the folder under its own name, telling `progress` the bytes copied of
// all.
CopyResult copyPageFiles(platform::Program& program, const std::vector<FileCopy>& copies,
                         const QString& folder, const shared::CopyProgress& progress) {
  qsizetype total = 0;
  for (const FileCopy& copy : copies) total += QFileInfo(copy.source).size();
  CopyResult result;
  qsizetype before = 0;
  result.stopped = !progress(0, total);
  for (auto copy = copies.begin(); copy != copies.end() && !result.stopped; ++copy) {
    const auto told = [&](qsizetype copied, qsizetype) {
      result.stopped = !progress(before + copied, total);
      return !result.stopped;
    };
    if (!shared::ShellFileCopy(program, copy->source, QDir(folder).filePath(copy->fileName),
                               false, told) &&
        !result.stopped) {
      result.missing.append(QDir::toNativeSeparators(copy->source));
    }
    before += QFileInfo(copy->source).size();
  }
  return result;
}

// Preview has one place to write to: the only help is room on its disk.
QString previewNotWritten(const QString& folder) {
  return QStringLiteral("Your web page could not be written into the preview folder ") +
         QDir::toNativeSeparators(folder) +
         QStringLiteral(". Make room on the disk, then try Preview again.\r\n") + kNotSaved;
}

}  // namespace

QString WritePageFolder(platform::Program& program, const BuiltPage& page,
                        const QString& pageFolder, bool preview,
                        const shared::CopyProgress& progress) {
  const bool existed = QFileInfo(pageFolder).isDir();
  platform::files::FolderBuild build(pageFolder);
  if (!build.isValid()) {
    return folderProblem(existed ? QStringLiteral("cannot be written to")
                                 : QStringLiteral("could not be created"),
                         pageFolder);
  }
  QString failure = platform::textfile::writeBytesAtomic(
      QDir(build.path()).filePath(kPageFileName), PageFileBytes(page));
  if (!failure.isEmpty()) {
    if (preview) return previewNotWritten(pageFolder);
    // The page is written where it will stand.
    return failure.replace(build.path(), pageFolder) + QStringLiteral("\r\n") + kNotSaved;
  }
  const CopyResult copied =
      copyPageFiles(program, copiesNeeded(page.copies, pageFolder), build.path(), progress);
  if (copied.stopped) {
    return QStringLiteral("The copying of the linked files was stopped. ") + kNotSaved;
  }
  if (!copied.missing.isEmpty()) {
    return QStringLiteral("These linked files could not be copied into the folder of your web "
                          "page:\r\n") +
           copied.missing.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") + kNotSaved;
  }
  const QString reason = build.putInPlace();
  if (!reason.isEmpty()) {
    return folderProblem(QStringLiteral("could not be written: ") + reason, pageFolder);
  }
  return QString();
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
