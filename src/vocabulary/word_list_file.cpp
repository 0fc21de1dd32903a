#include "vocabulary/word_list_file.h"

#include <QFileInfo>

#include "platform/files/textfile.h"

namespace vocabulary {

bool SplitWordListLine(const QString& line, WordListItem& item) {
  const qsizetype first = line.indexOf('/');
  if (first < 0) return false;
  const qsizetype second = line.indexOf('/', first + 1);
  item.word = line.left(first);
  if (second >= 0) {
    item.definition1 = line.mid(first + 1, second - first - 1);
    item.definition2 = line.mid(second + 1);
  } else {
    item.definition1 = line.mid(first + 1);
    item.definition2.clear();
  }
  item.asked = false;
  return true;
}

WordListResult ParseWordList(const QStringList& lines) {
  QList<WordListItem> items;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines.at(i);
    if (line.isEmpty()) return items;
    if (items.size() == kMaxWordListItems) return WordListError{WordListProblem::TooManyItems};
    WordListItem item;
    if (!SplitWordListLine(line, item)) {
      return WordListError{WordListProblem::LineWithoutSlash, static_cast<int>(i + 1)};
    }
    items.append(item);
  }
  return WordListError{WordListProblem::EndsBeforeEmptyLine};
}

WordListResult ParseWordListBytes(const QByteArray& bytes) {
  const QString text = platform::textfile::decode(bytes);
  if (text.isEmpty()) return WordListError{WordListProblem::Empty};
  QStringList lines;
  QString line;
  // Lines end with CR LF, LF or a lone CR; an end at the very end starts no line.
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == '\r' || c == '\n') {
      lines.append(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
      // Nothing past the hundredth line matters.
      if (lines.size() > kMaxWordListItems) return ParseWordList(lines);
    } else {
      line.append(c);
    }
  }
  if (!line.isEmpty()) lines.append(line);
  return ParseWordList(lines);
}

QString WordListErrorText(const WordListError& error) {
  switch (error.problem) {
    case WordListProblem::Empty:
      return QStringLiteral("This word list is empty: it holds no words at all. Open another "
                            "file, or write the list in the word-list editor first.");
    case WordListProblem::EndsBeforeEmptyLine:
      return QStringLiteral("This word list does not end with an empty line, so it may be cut "
                            "short. Open it in a text editor and add an empty line after the "
                            "last item.");
    case WordListProblem::TooManyItems:
      return QStringLiteral("This word list holds more than %1 items. Lexorama reads at most %1: "
                            "split it into shorter lists.")
          .arg(kMaxWordListItems);
    case WordListProblem::LineWithoutSlash:
      break;
  }
  return QStringLiteral("This file is not of a format supported by this program.\r\n"
                        "Be sure you are opening an assignment file for Lexorama.\r\n"
                        "This file is necessary for Step 4.");
}

QString WordListFileText(const QStringList& items) {
  QString text;
  for (const QString& item : items) text += item + QStringLiteral("\r\n");
  return text + QStringLiteral("\r\n\r\n");
}

bool AssignmentNameOf(const QString& path, QString& name) {
  const QString fileName = QFileInfo(path).fileName();
  if (fileName.size() < 4) return false;
  name = fileName.left(fileName.size() - 4);
  return true;
}

}  // namespace vocabulary
