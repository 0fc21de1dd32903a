#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

// Word-list files: one item per line, "word/definition" or "word/definition1/definition2", ended
// by the first empty line, which must be one of the first 100 lines.
namespace vocabulary {

struct WordListItem {
  QString word;
  QString definition1;
  QString definition2;  // empty when the item has only one definition
  bool asked = false;   // drawn already in the current run of an activity
};

// The most items a word list can hold: its ending empty line must come within 100 lines.
constexpr int kMaxWordListItems = 99;
constexpr int kMinItemsToStart = 5;

enum class WordListProblem {
  Empty,                // the file holds nothing at all
  EndsBeforeEmptyLine,  // the file ends before its empty line
  TooManyItems,         // the first 100 lines all hold items
  LineWithoutSlash,     // a line before the empty line holds no "/"
};

struct WordListError {
  WordListProblem problem;
  int lineNumber = 0;  // 1-based; for LineWithoutSlash
};

using WordListResult = std::variant<QList<WordListItem>, WordListError>;

// Splits one line at its first and second "/" (further ones stay in the second definition).
// False when the line holds no "/".
bool SplitWordListLine(const QString& line, WordListItem& item);

WordListResult ParseWordList(const QStringList& lines);
// Decodes the bytes (UTF-8 or Windows-1252, CR LF or LF) and parses them.
WordListResult ParseWordListBytes(const QByteArray& bytes);

// What the student is told about a list that cannot be used.
QString WordListErrorText(const WordListError& error);

// The file as the word-list editor writes it: each item ended by CR LF, then two more CR LF.
QString WordListFileText(const QStringList& items);

// The test name: the file name without its last four characters (a dot and a three-letter
// extension). False when the name is shorter than four characters.
bool AssignmentNameOf(const QString& path, QString& name);

}  // namespace vocabulary
