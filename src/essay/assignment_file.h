#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <optional>

// The assignment file: one record of backtick-separated fields. The full layout starts with a
// backtick and holds the name, the outline and the five paragraphs; the outline-only layout (from
// prepared samples) holds just the six outline fields.
namespace essay {

// A main idea block as the file holds it: the line, then each detail after an "@".
struct MainIdeaBlock {
  QString line;
  std::array<QString, 4> details;

  QString joined() const;
  static MainIdeaBlock split(const QString& block);
};

struct Assignment {
  bool outlineOnly = false;
  QString studentName;
  QString themeLine;
  QString introLine;
  std::array<QString, 3> mainIdeaBlocks;  // joined blocks, as held in the file
  QString conclusionLine;
  std::array<QString, 5> paragraphs;      // introduction, main ideas 1-3, conclusion
};

// The full-layout record, CR LF at its end included.
QString assignmentRecord(const Assignment& assignment);
// Reads either layout; fields missing from a short text read as "".
Assignment parseAssignment(const QString& text);

// A character the file cannot hold where it stands: a backtick anywhere (it would end the field)
// or an "@" inside a main idea or detail (it would shift the details). Null when there is none.
QChar unstorableCharacter(const Assignment& assignment);
// The same test for a student's name alone.
QChar unstorableNameCharacter(const QString& name);

// Where the Open dialog starts on the first open of a run: the folder above the one holding
// `lastPath`, the root when it lies at most one folder deep, "" when it names no folder.
QString openStartFolder(const QString& lastPath);

// Replaces the file at `path` atomically with the record; "" on success, else a message.
QString writeAssignmentFile(const QString& path, const Assignment& assignment);
// The text of an assignment file; nothing when it cannot be read or holds no text (binary data,
// or far more than any essay).
std::optional<QString> readAssignmentText(const QString& path);
// The assignment in the file, or nothing when it cannot be read.
std::optional<Assignment> readAssignmentFile(const QString& path);

}  // namespace essay
