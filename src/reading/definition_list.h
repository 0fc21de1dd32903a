#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// The reading aid's definition list: one line a word ("word definition..."), grouped by first
// letter from "a" to "z"; every group after "a" starts with a marker line of its letter, which
// is not an entry. A group holds at most kMaxEntries lines: reading stops at the one that fills
// a group, and the groups after it stay empty.
namespace reading {

class DefinitionList {
 public:
  static constexpr int kMaxEntries = 1000;
  static inline const QString kNotAvailable = QStringLiteral("Definition not available.");

  // What a lookup found: the word's whole line, kNotAvailable, or nothing (a full group searched
  // to its end without reaching either, which leaves the pane as it is).
  using Lookup = std::optional<QString>;

  DefinitionList() = default;
  // Reads the lines of a list (line ends already removed).
  static DefinitionList fromLines(const QStringList& lines);
  // Reads the list file; a missing or unreadable file gives an empty list.
  static DefinitionList fromFile(const QString& path);

  // Looks `selection` up: trimmed and lower-cased it must equal a line's first word. A selection
  // that does not start with a letter "a".."z" finds nothing at all.
  Lookup lookUp(const QString& selection) const;

  // The stored lines of the group of `letter` ('a'..'z'), in order.
  QStringList group(char letter) const;
  int size() const;

 private:
  struct Entry {
    QString line;
    QString head;  // the first word, lower-cased; empty when the line has no blank
  };
  void store(int group, int row, const QString& line);

  std::array<std::vector<Entry>, 26> groups_;
};

// The picture of a selected word in the pictures folder: "<word>.jpg" when it can be loaded,
// else "<word>.gif"; "" when neither can. The name is the selection lower-cased, not trimmed, and
// the file is found without regard to case; a name that could leave the folder names no picture.
QString PicturePath(const QString& folder, const QString& selection);

}  // namespace reading
