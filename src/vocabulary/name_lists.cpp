#include "vocabulary/name_lists.h"

#include <QLocale>

#include "platform/files/cp1252.h"
#include "platform/files/locations.h"
#include "platform/files/textfile.h"

namespace vocabulary {

QString TeachersFilePath(const QString& dataFolder) {
  return platform::locations::resolve(dataFolder, QStringLiteral("Resources\\teachers.txt"));
}

QString StudentsFilePath(const QString& dataFolder) {
  return platform::locations::resolve(dataFolder, QStringLiteral("Resources\\students.txt"));
}

std::optional<NameList> ReadNameList(const QString& path, int maxNames) {
  std::optional<QStringList> lines = platform::textfile::readLines(path);
  if (!lines) return std::nullopt;
  NameList list;
  list.names = lines->mid(0, maxNames);
  if (lines->size() > maxNames) list.unread = lines->mid(maxNames);
  return list;
}

QString UnreadNamesText(const QString& path, const NameList& list, int maxNames) {
  const QLocale locale(QLocale::English);
  const qsizetype unread = list.unread.size();
  return QStringLiteral("The list %1 holds %2 names, but only the first %3 can be shown here: %4 "
                        "not read. Save Changes keeps %5 at the end of the list.")
      .arg(platform::locations::forDisplay(path),
           locale.toString(list.names.size() + unread), locale.toString(maxNames),
           unread == 1 ? QStringLiteral("1 name was")
                       : locale.toString(unread) + QStringLiteral(" names were"),
           unread == 1 ? QStringLiteral("it") : QStringLiteral("them"));
}

QString UnstorableNameText(const QString& name) {
  const QStringList missing = platform::cp1252::missingCharacters(name);
  if (missing.isEmpty()) return {};
  return QStringLiteral("Lexorama cannot keep scores for the name \"%1\": its score file cannot "
                        "hold %2 %3. Please type the name another way, for example with the "
                        "letters A to Z.")
      .arg(name, missing.size() == 1 ? QStringLiteral("the character")
                                     : QStringLiteral("the characters"),
           missing.join(' '));
}

QStringList UnstorableNames(const QStringList& names) {
  QStringList unstorable;
  for (const QString& name : names) {
    if (!platform::cp1252::missingCharacters(name).isEmpty()) unstorable.append(name);
  }
  return unstorable;
}

QString UnstorableNamesText(const QString& path, const QStringList& unstorable,
                            const QString& whatNow) {
  constexpr qsizetype kNamesShown = 10;
  QStringList lines{QStringLiteral("The list %1 holds names with characters Lexorama's score "
                                   "file cannot hold:")
                        .arg(platform::locations::forDisplay(path))};
  for (const QString& name : unstorable.mid(0, kNamesShown)) {
    lines.append(QStringLiteral("%1 (%2)").arg(
        name, platform::cp1252::missingCharacters(name).join(' ')));
  }
  if (unstorable.size() > kNamesShown) {
    lines.append(QStringLiteral("and %1 more.").arg(unstorable.size() - kNamesShown));
  }
  lines.append(whatNow);
  return lines.join(QStringLiteral("\r\n"));
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
