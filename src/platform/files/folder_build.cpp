#include "platform/files/folder_build.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace platform::files {
namespace {

QString besideTarget(const QString& target, const QString& purpose) {
  const QFileInfo info(target);
  return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1Char('-') + purpose +
                             QStringLiteral("-XXXXXX"));
}

// Renames `from` to `to`; "" when done, else the system's reason.
QString renamed(const QString& from, const QString& to) {
  if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) {
    return QString();
  }
  return QString::fromLocal8Bit(std::strerror(errno));
}

// A name for the earlier folder while the new one takes its place: free, and beside both.
QString freeNameBeside(const QString& target) {
  QTemporaryDir reserved(besideTarget(target, QStringLiteral("earlier")));
  if (!reserved.isValid()) return QString();
  reserved.setAutoRemove(false);
  const QString name = reserved.path();
  QDir().rmdir(name);  // only the name is wanted; the rename makes the folder again
  return name;
}

QStringList subfoldersOf(const QString& folder) {
  return QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

FolderBuild::FolderBuild(const QString& target)
    : target_(target), built_(besideTarget(target, QStringLiteral("new"))) {
  // Made for this program's eyes only; once in place it is open as the earlier folder was, or
  // as any new folder is.
  if (!built_.isValid()) return;
  const QFileInfo earlier(target);
  if (earlier.isDir()) {
    QFile::setPermissions(path(), earlier.permissions());
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(path()).constData(), 0777 & ~mask);
  }
}

QString FolderBuild::putInPlace() {
  const QFileInfo earlier(target_);
  if (!earlier.exists() && !earlier.isSymLink()) {
    const QString failed = renamed(path(), target_);
    if (failed.isEmpty()) built_.setAutoRemove(false);
    return failed;
  }
  // A linked folder is left where it lies, with all it holds; only the link is replaced.
  const QStringList kept = earlier.isSymLink() ? QStringList() : subfoldersOf(target_);
  for (const QString& name : kept) {
    if (QFileInfo::exists(QDir(path()).filePath(name))) {
      return QStringLiteral("it holds a folder called \"%1\"").arg(name);
    }
  }
  const QString aside = freeNameBeside(target_);
  if (aside.isEmpty()) return QStringLiteral("there is no room beside it");
  if (const QString failed = renamed(target_, aside); !failed.isEmpty()) return failed;
  if (const QString failed = renamed(path(), target_); !failed.isEmpty()) {
    renamed(aside, target_);
    return failed;
  }
  built_.setAutoRemove(false);
  bool carried = true;
  for (const QString& name : kept) {
    carried = renamed(QDir(aside).filePath(name), QDir(target_).filePath(name)).isEmpty() &&
              carried;
  }
  // What could not be carried over stays aside rather than being lost.
  if (QFileInfo(aside).isSymLink()) {
    QFile::remove(aside);
  } else if (carried) {
    QDir(aside).removeRecursively();
  }
  return QString();
}

}  // namespace platform::files
