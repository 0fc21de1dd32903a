#include "platform/files/folder_build.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform::files {
namespace {

constexpr QDir::Filters kEverything =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// A hidden name for `name`'s work in `folder`: ".name-purpose-XXXXXX".
QString hiddenName(const QDir& folder, const QString& name, const QString& purpose) {
  return folder.filePath(QLatin1Char('.') + name + QLatin1Char('-') + purpose +
                         QStringLiteral("-XXXXXX"));
}

// Matches the hidden names made for `name` (any name when empty), capturing name and purpose.
QRegularExpression hiddenNames(const QString& name) {
  const QString named = name.isEmpty() ? QStringLiteral("(.+)")
                                       : QLatin1Char('(') + QRegularExpression::escape(name) +
                                             QLatin1Char(')');
  return QRegularExpression(QStringLiteral("^\\.") + named +
                            QStringLiteral("-(new|earlier)-.{6}$"));
}

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

bool existsAt(const QString& path) {
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

// Renames `from` to `to`; "" when done, else the system's reason.
QString renamed(const QString& from, const QString& to) {
  if (std::rename(encoded(from).constData(), encoded(to).constData()) == 0) return QString();
  return QString::fromLocal8Bit(std::strerror(errno));
}

// A free name made from `pattern`, beside the files it is for.
QString freeName(const QString& pattern) {
  QTemporaryFile reserved(pattern);
  if (!reserved.open()) return QString();
  const QString name = reserved.fileName();
  reserved.close();
  return QFile::remove(name) ? name : QString();
}

// Keeps `file` under a hidden name while a new file takes its place: as a second name of it
// where the disk allows, so that the file is never missing, else moved aside. "" when neither.
QString keptAside(const QString& file) {
  const QFileInfo info(file);
  const QString aside =
      freeName(hiddenName(info.dir(), info.fileName(), QStringLiteral("earlier")));
  if (aside.isEmpty()) return QString();
  if (::link(encoded(file).constData(), encoded(aside).constData()) == 0) return aside;
  return renamed(file, aside).isEmpty() ? aside : QString();
}

// Puts the file kept aside back under its name (or only drops the second name).
void putBack(const QString& aside, const QString& file) {
  if (renamed(aside, file).isEmpty()) QFile::remove(aside);
}

// Moves `from` to `to`. A folder that may not be written to cannot change folders (its ".."
// changes), so its owner's write permission is lent to it for the move.
bool moved(const QString& from, const QString& to) {
  if (renamed(from, to).isEmpty()) return true;
  struct stat status {};
  if (::lstat(encoded(from).constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
      ::chmod(encoded(from).constData(), status.st_mode | S_IWUSR) != 0) {
    return false;
  }
  const bool done = renamed(from, to).isEmpty();
  ::chmod(encoded(done ? to : from).constData(), status.st_mode & 07777);
  return done;
}

// A folder an earlier build moved aside: what of it the target lacks goes back into it. It goes
// once it holds no folder, so nothing but older copies of the target's files is dropped.
void bringBack(const QString& aside, const QString& target) {
  bool foldersBack = true;
  for (const QFileInfo& entry : QDir(aside).entryInfoList(kEverything)) {
    const QString into = QDir(target).filePath(entry.fileName());
    if (existsAt(into)) {
      foldersBack = foldersBack && !(entry.isDir() && !entry.isSymLink());
    } else {
      foldersBack = moved(entry.filePath(), into) && foldersBack;
    }
  }
  if (foldersBack) QDir(aside).removeRecursively();
}

// Clears away what interrupted builds of `target` left beside it: unfinished folders go, and
// earlier folders once what of them the target lacks is back in it.
void clearLeftoversBeside(const QString& target) {
  const QFileInfo info(target);
  const QRegularExpression ofTarget = hiddenNames(info.fileName());
  const QFileInfoList besideTarget =
      info.dir().entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QFileInfo& entry : besideTarget) {
    const QRegularExpressionMatch match = ofTarget.match(entry.fileName());
    if (!match.hasMatch() || entry.isSymLink()) continue;
    if (match.captured(2) == QLatin1String("new")) {
      QDir(entry.filePath()).removeRecursively();
    } else {
      bringBack(entry.filePath(), target);
    }
  }
}

// Clears away what interrupted builds left inside `target`: unfinished folders go, and earlier
// files go back under their names when nothing has taken their place.
void clearLeftoversInside(const QString& target) {
  const QString unfinishedName = QFileInfo(target).fileName();
  const QRegularExpression anyFile = hiddenNames(QString());
  for (const QFileInfo& entry : QDir(target).entryInfoList(kEverything)) {
    const QRegularExpressionMatch match = anyFile.match(entry.fileName());
    if (!match.hasMatch()) continue;
    const bool folder = entry.isDir() && !entry.isSymLink();
    const bool unfinished = match.captured(2) == QLatin1String("new");
    if (folder && unfinished && match.captured(1) == unfinishedName) {
      QDir(entry.filePath()).removeRecursively();
    } else if (!folder && !unfinished) {
      const QString file = QDir(target).filePath(match.captured(1));
      if (existsAt(file)) {
        QFile::remove(entry.filePath());
      } else {
        putBack(entry.filePath(), file);
      }
    }
  }
}

QString writtenFolderPattern(const QString& target, bool intoExisting) {
  const QFileInfo info(target);
  return hiddenName(intoExisting ? QDir(target) : info.dir(), info.fileName(),
                    QStringLiteral("new"));
}

}  // namespace

FolderBuild::FolderBuild(const QString& target)
    : target_(target),
      intoExisting_(QFileInfo(target).isDir()),
      written_(writtenFolderPattern(target, intoExisting_)) {
  // Made for this program's eyes only; a new folder, once in place, is open as any folder is.
  if (!written_.isValid() || intoExisting_) return;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(encoded(path()).constData(), 0777 & ~mask);
}

QString FolderBuild::putInPlace() {
  if (intoExisting_) {
    if (const QString failed = replaceFiles(); !failed.isEmpty()) return failed;
  } else {
    if (const QString failed = renamed(path(), target_); !failed.isEmpty()) return failed;
    written_.setAutoRemove(false);
  }
  clearLeftoversBeside(target_);
  clearLeftoversInside(target_);
  return QString();
}

// Each written file replaces the target's file of its name; when one cannot, those already
// replaced are put back.
QString FolderBuild::replaceFiles() {
  const QDir written(path());
  const QDir target(target_);
  const QStringList names = written.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) {
    const QFileInfo replaced(target.filePath(name));
    if (replaced.isDir() && !replaced.isSymLink()) {
      return QStringLiteral("it holds a folder called \"%1\"").arg(name);
    }
  }
  std::vector<std::pair<QString, QString>> placed;  // a file put in place, its earlier one
  QString failed;
  for (const QString& name : names) {
    const QString file = target.filePath(name);
    QString earlier;
    if (existsAt(file)) {
      earlier = keptAside(file);
      if (earlier.isEmpty()) {
        failed = QStringLiteral("\"%1\" could not be replaced").arg(name);
        break;
      }
    }
    failed = renamed(written.filePath(name), file);
    if (!failed.isEmpty()) {
      if (!earlier.isEmpty()) putBack(earlier, file);
      break;
    }
    placed.emplace_back(file, earlier);
  }
  for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
    if (it->second.isEmpty()) {
      if (!failed.isEmpty()) QFile::remove(it->first);
    } else if (failed.isEmpty()) {
      QFile::remove(it->second);
    } else {
      putBack(it->second, it->first);
    }
  }
  return failed;
}

}  // namespace platform::files
