#include "platform/files/locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

namespace platform::locations {
namespace {

// The environment is read on every call: tests move the root from one test to the next.
QString homeFolder() {
  const QString home = qEnvironmentVariable("HOME");
  return home.isEmpty() ? QDir::homePath() : home;
}

QString rootFromEnvironment() {
  const QString explicitRoot = qEnvironmentVariable("SCRIBARY_ROOT");
  if (!explicitRoot.isEmpty()) return explicitRoot;
  // A relative XDG_DATA_HOME is invalid and must be ignored.
  const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  if (!dataHome.isEmpty() && QDir::isAbsolutePath(dataHome)) return dataHome + "/scribary";
  return homeFolder() + "/.local/share/scribary";
}

QString folderBelowRoot(const QString& name) {
  const QString path = dataRoot() + '/' + name;
  QDir().mkpath(path);
  return path;
}

// The entry of `folder` that `name` stands for: the exact spelling when it exists, else the
// first entry in sorted order that matches without regard to case; empty when there is none.
QString matchEntry(const QString& folder, const QString& name) {
  const QDir dir(folder);
  if (dir.exists(name)) return name;
  QStringList entries =
      dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  std::sort(entries.begin(), entries.end());
  const auto found = std::find_if(entries.cbegin(), entries.cend(), [&](const QString& entry) {
    return entry.compare(name, Qt::CaseInsensitive) == 0;
  });
  return found == entries.cend() ? QString() : *found;
}

constexpr auto kSuiteFiles = "Scribary Files";

// Copies a file or a whole folder; copies are the user's to change, whatever the originals allow.
bool copyEntry(const QString& source, const QString& target) {
  const QFileInfo info(source);
  if (info.isSymLink()) return true;
  if (info.isFile()) {
    if (!QFile::copy(source, target)) return false;
    return QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner |
                                             QFileDevice::WriteOwner);
  }
  if (!info.isDir() || !QDir().mkdir(target)) return false;
  const QStringList entries =
      QDir(source).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  return std::all_of(entries.cbegin(), entries.cend(), [&](const QString& entry) {
    return copyEntry(source + '/' + entry, target + '/' + entry);
  });
}

// Copies `entry` of `from` into `into` so that it appears there whole or not at all: a copy cut
// short would otherwise pass for the student's own and never be completed.
void copyWhole(const QString& from, const QString& into, const QString& entry) {
  QTemporaryDir staging(into + "/.seeding-XXXXXX");
  if (!staging.isValid()) return;
  const QString staged = staging.path() + '/' + entry;
  // A rename never replaces what appeared meanwhile: Qt refuses to rename onto an existing entry.
  if (copyEntry(from + '/' + entry, staged)) QDir().rename(staged, into + '/' + entry);
}

// Copies every top-level entry of the program data's `name` folder that is missing from the data
// root's folder of that name; what is there already is the user's and stays.
QString seedFolder(const QString& name) {
  const QString from = programDataFolder() + '/' + name;
  const QString into = folderBelowRoot(name);
  const QStringList entries = QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (!QFileInfo::exists(into + '/' + entry) && !QFileInfo(into + '/' + entry).isSymLink()) {
      copyWhole(from, into, entry);
    }
  }
  return into;
}

}  // namespace

QString dataRoot() { return QDir::cleanPath(QFileInfo(rootFromEnvironment()).absoluteFilePath()); }

QString programFolder() { return QCoreApplication::applicationDirPath(); }

QString suiteFilesFolder() {
  seedSuiteFiles();
  return folderBelowRoot(kSuiteFiles);
}

QString programDataFolder() {
  const QString explicitFolder = qEnvironmentVariable("SCRIBARY_PROGRAM_DATA");
  if (!explicitFolder.isEmpty()) return QDir::cleanPath(QFileInfo(explicitFolder).absoluteFilePath());
  return QDir::cleanPath(programFolder() + "/../../share/scribary");
}

QString examplesFolder() { return programDataFolder() + "/Examples"; }

QString sampleAssignmentsFolder() { return suiteFilesFolder() + "/QL Sample Assignments"; }

QString sampleWordListsFolder() { return suiteFilesFolder() + "/Lexorama Assignments"; }

void seedSuiteFiles() { seedFolder(kSuiteFiles); }

QString forDisplay(const QString& path) {
  const QString home = QDir::cleanPath(homeFolder());
  const QString clean = QDir::cleanPath(path);
  if (home == "/" || home.isEmpty()) return clean;
  if (clean == home) return QStringLiteral("~");
  if (clean.startsWith(home + '/')) return '~' + clean.mid(home.size());
  return clean;
}

QString suiteFilesFolderForDisplay() { return forDisplay(suiteFilesFolder()); }
QString tempFolder() { return folderBelowRoot("temp"); }
QString previewFolder() { return folderBelowRoot("preview"); }
QString webPageSampleFile() { return programDataFolder() + "/Webloom/click_me.html"; }
QString passwordFolder() {
  const QString name = QStringLiteral("Windows");
  const QString root = dataRoot();
  if (!QFileInfo::exists(root + '/' + name) && QFileInfo(programDataFolder() + '/' + name).isDir()) {
    QDir().mkpath(root);
    copyWhole(programDataFolder(), root, name);
  }
  return folderBelowRoot(name);
}
QString readingAidFolder() { return seedFolder(QStringLiteral("Voxlet")); }
QString registryFolder() { return folderBelowRoot("registry"); }

QString resolve(const QString& folder, const QString& windowsRelativePath) {
  QString path = QDir::cleanPath(folder);
  bool stillExisting = true;
  // Windows takes either separator.
  QString relative = windowsRelativePath;
  relative.replace('/', '\\');
  const QStringList components = relative.split('\\', Qt::SkipEmptyParts);
  for (const QString& component : components) {
    if (stillExisting && component != "." && component != "..") {
      const QString match = matchEntry(path, component);
      stillExisting = !match.isEmpty();
      path += '/' + (stillExisting ? match : component);
    } else {
      path += '/' + component;
    }
  }
  return path;
}

}  // namespace platform::locations
