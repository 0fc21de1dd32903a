#include "reading/definition_list.h"

#include <QImageReader>

#include "platform/files/locations.h"
#include "platform/files/textfile.h"

namespace reading {
namespace {

// The group index of a line's first character, lower-cased; -1 outside "a".."z".
int groupOf(QChar first) {
  const char16_t code = first.toLower().unicode();
  return code >= u'a' && code <= u'z' ? code - u'a' : -1;
}

QString headOf(const QString& line) {
  const qsizetype blank = line.indexOf(QLatin1Char(' '));
  if (blank < 0) return QString();
  return line.left(blank).trimmed().toLower();
}

}  // namespace

DefinitionList DefinitionList::fromLines(const QStringList& lines) {
  DefinitionList list;
  // The current group's first character, which a marker line changes; it may lie outside
  // "a".."z", and then the lines of that group are counted but kept nowhere.
  QChar current = QLatin1Char('a');
  int row = 1;
  for (const QString& line : lines) {
    if (row > kMaxEntries) break;
    // A blank line belongs to no group and is no marker.
    if (line.isEmpty()) continue;
    const QChar first = line.front().toLower();
    if (first == current) {
      const int group = groupOf(first);
      if (group >= 0) list.store(group, row, line);
    } else {
      current = first;
      row = 0;
    }
    ++row;
  }
  return list;
}

void DefinitionList::store(int group, int row, const QString& line) {
  // A letter whose group comes round again has its rows written over from the first.
  auto& entries = groups_[group];
  const auto index = static_cast<std::size_t>(row - 1);
  Entry entry{line, headOf(line)};
  if (index < entries.size())
    entries[index] = std::move(entry);
  else
    entries.push_back(std::move(entry));
}

DefinitionList DefinitionList::fromFile(const QString& path) {
  const auto lines = platform::textfile::readLines(path);
  return lines ? fromLines(*lines) : DefinitionList();
}

DefinitionList::Lookup DefinitionList::lookUp(const QString& selection) const {
  const QString word = selection.trimmed().toLower();
  if (word.isEmpty()) return std::nullopt;
  const int group = groupOf(word.front());
  if (group < 0) return std::nullopt;
  for (const Entry& entry : groups_[group]) {
    if (entry.head == word) return entry.line;
    if (entry.head.isEmpty()) return kNotAvailable;
  }
  // The rows after the stored ones are empty, and an empty row has no first word.
  if (groups_[group].size() < static_cast<std::size_t>(kMaxEntries)) return kNotAvailable;
  return std::nullopt;
}

QStringList DefinitionList::group(char letter) const {
  QStringList lines;
  const int index = groupOf(QLatin1Char(letter));
  if (index < 0) return lines;
  for (const Entry& entry : groups_[index]) lines.append(entry.line);
  return lines;
}

int DefinitionList::size() const {
  int count = 0;
  for (const auto& entries : groups_) count += static_cast<int>(entries.size());
  return count;
}

QString PicturePath(const QString& folder, const QString& selection) {
  const QString name = selection.toLower();
  if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
      name.contains(QChar(u'\0')) || name == QLatin1String(".") || name == QLatin1String("..")) {
    return QString();
  }
  for (const char* extension : {".jpg", ".gif"}) {
    // Pictures copied from elsewhere may be named in capitals ("Apple.JPG").
    const QString path = platform::locations::resolve(folder, name + QLatin1String(extension));
    if (QImageReader(path).canRead()) return path;
  }
  return QString();
}

}  // namespace reading
