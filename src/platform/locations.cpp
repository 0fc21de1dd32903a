#include "platform/locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace platform::locations {
namespace {

// The environment is read on every call: tests move the root from one test to the next.
QString rootFromEnvironment() {
  const QString explicitRoot = qEnvironmentVariable("SCRIBARY_ROOT");
  if (!explicitRoot.isEmpty()) return explicitRoot;
  // A relative XDG_DATA_HOME is invalid and must be ignored.
  const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  if (!dataHome.isEmpty() && QDir::isAbsolutePath(dataHome)) return dataHome + "/scribary";
  QString home = qEnvironmentVariable("HOME");
  if (home.isEmpty()) home = QDir::homePath();
  return home + "/.local/share/scribary";
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

}  // namespace

QString dataRoot() { return QDir::cleanPath(QFileInfo(rootFromEnvironment()).absoluteFilePath()); }

QString programFolder() { return QCoreApplication::applicationDirPath(); }

QString suiteFilesFolder() { return folderBelowRoot("Scribary Files"); }
QString examplesFolder() { return folderBelowRoot("Examples"); }
QString tempFolder() { return folderBelowRoot("temp"); }
QString passwordFolder() { return folderBelowRoot("Windows"); }
QString readingAidFolder() { return folderBelowRoot("Voxlet"); }
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
