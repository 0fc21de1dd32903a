#include "vocabulary/name_lists.h"

#include "platform/files/locations.h"
#include "platform/files/textfile.h"

namespace vocabulary {

QString TeachersFilePath(const QString& dataFolder) {
  return platform::locations::resolve(dataFolder, QStringLiteral("Resources\\teachers.txt"));
}

QString StudentsFilePath(const QString& dataFolder) {
  return platform::locations::resolve(dataFolder, QStringLiteral("Resources\\students.txt"));
}

std::optional<QStringList> ReadNameList(const QString& path, int maxNames) {
  std::optional<QStringList> lines = platform::textfile::readLines(path);
  if (lines && lines->size() > maxNames) lines->resize(maxNames);
  return lines;
}

QString NameListText(const QStringList& names, bool dropEmpty) {
  QStringList kept = names;
  if (dropEmpty) kept.removeAll(QString());
  return kept.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString WriteNameList(const QString& path, const QStringList& names, bool dropEmpty) {
  return platform::textfile::writeAtomic(path, NameListText(names, dropEmpty));
}

}  // namespace vocabulary
