#include "shared/small_routines.h"

#include <QFile>
#include <algorithm>
#include <sys/stat.h>

#include "platform/windows/form.h"

namespace shared {

void MinimizeForm(platform::Form& form) { form.setWindowStateValue(platform::vbMinimized); }

bool FileExists(const QString& path) {
  // A NUL would cut the path short at the system boundary and ask about another entry.
  if (path.isEmpty() || path.contains(QChar(u'\0'))) return false;
  struct stat attributes {};
  return ::lstat(QFile::encodeName(path).constData(), &attributes) == 0;
}

namespace {

// Position of the count-th delimiter found from `from` on, each search starting one character
// after the previous match; -1 when there are fewer.
qsizetype nthDelimiter(const QString& text, const QString& delimiter, qsizetype from, int count) {
  qsizetype match = -1;
  for (int found = 0; found < count; ++found) {
    match = text.indexOf(delimiter, from, Qt::CaseSensitive);
    if (match < 0) return -1;
    from = match + 1;
  }
  return match;
}

}  // namespace

QString GetField(const QString& Text, const QString& Delimiter, int FirstField, int LastField) {
  if (Text.isEmpty() || Delimiter.isEmpty()) return QString();
  FirstField = std::max(FirstField, 1);
  LastField = std::max(LastField, FirstField);

  const qsizetype firstDelimiter = Text.indexOf(Delimiter, 0, Qt::CaseSensitive);
  if (firstDelimiter < 0) return Text;
  if (LastField == 1) return Text.left(firstDelimiter);

  qsizetype start = 0;
  if (FirstField > 1) {
    const qsizetype opening = nthDelimiter(Text, Delimiter, 0, FirstField - 1);
    if (opening < 0) return QString();
    start = opening + Delimiter.size();
  }
  // The end is searched from the field's start, so overlapping matches never end it early.
  const qsizetype end = nthDelimiter(Text, Delimiter, start, LastField - FirstField + 1);
  return end < 0 ? Text.mid(start) : Text.mid(start, end - start);
}

}  // namespace shared
