#include "essay/assignment_file.h"

#include <QFileInfo>

#include "platform/files/textfile.h"
#include "shared/small_routines.h"

namespace essay {
namespace {

const QString kFieldMark = QStringLiteral("`");
const QString kDetailMark = QStringLiteral("@");

QString field(const QString& text, int number) {
  return shared::GetField(text, kFieldMark, number, number);
}

}  // namespace

QString MainIdeaBlock::joined() const {
  QString block = line;
  for (const QString& detail : details) block += kDetailMark + detail;
  return block;
}

MainIdeaBlock MainIdeaBlock::split(const QString& block) {
  MainIdeaBlock parts;
  parts.line = shared::GetField(block, kDetailMark, 1, 1);
  // Without any "@" the block is a main idea alone; it has no details to repeat it in.
  if (!block.contains(kDetailMark)) return parts;
  for (int i = 0; i < 4; ++i) {
    parts.details[static_cast<std::size_t>(i)] = shared::GetField(block, kDetailMark, i + 2, i + 2);
  }
  return parts;
}

QString assignmentRecord(const Assignment& a) {
  QString record = kFieldMark;
  const QString fields[] = {a.studentName,       a.themeLine,         a.introLine,
                            a.mainIdeaBlocks[0], a.mainIdeaBlocks[1], a.mainIdeaBlocks[2],
                            a.conclusionLine,    a.paragraphs[0],     a.paragraphs[1],
                            a.paragraphs[2],     a.paragraphs[3],     a.paragraphs[4]};
  for (const QString& value : fields) record += value + kFieldMark;
  return record + QStringLiteral("\r\n");
}

Assignment parseAssignment(const QString& text) {
  Assignment a;
  a.outlineOnly = !text.startsWith(kFieldMark);
  // The outline-only layout starts at field 1, the full layout (after its empty field 1) at 2.
  const int first = a.outlineOnly ? 1 : 2;
  int number = first;
  if (!a.outlineOnly) a.studentName = field(text, number++);
  a.themeLine = field(text, number++);
  a.introLine = field(text, number++);
  for (QString& block : a.mainIdeaBlocks) block = field(text, number++);
  a.conclusionLine = field(text, number++);
  if (a.outlineOnly) return a;
  for (QString& paragraph : a.paragraphs) paragraph = field(text, number++);
  return a;
}

QChar unstorableCharacter(const Assignment& a) {
  const QChar backtick = QLatin1Char('`');
  const QString values[] = {a.studentName,       a.themeLine,         a.introLine,
                            a.mainIdeaBlocks[0], a.mainIdeaBlocks[1], a.mainIdeaBlocks[2],
                            a.conclusionLine,    a.paragraphs[0],     a.paragraphs[1],
                            a.paragraphs[2],     a.paragraphs[3],     a.paragraphs[4]};
  for (const QString& value : values) {
    if (value.contains(backtick)) return backtick;
  }
  const QChar at = QLatin1Char('@');
  constexpr int kSeparators = 4;
  for (const QString& block : a.mainIdeaBlocks) {
    if (block.count(at) > kSeparators) return at;
  }
  return {};
}

QChar unstorableNameCharacter(const QString& name) {
  Assignment named;
  named.studentName = name;
  return unstorableCharacter(named);
}

QString openStartFolder(const QString& lastPath) {
  const QChar slash = QLatin1Char('/');
  QString folder;
  int position = lastPath.size();
  for (int cut = 0; cut < 2 && position > 0; ++cut) {
    const int found = lastPath.lastIndexOf(slash, position - 1);
    if (found < 0) break;
    position = found;
    folder = lastPath.left(found + 1);
    if (found == 0) break;  // the root: nothing above it
  }
  return folder;
}

QString writeAssignmentFile(const QString& path, const Assignment& assignment) {
  return platform::textfile::writeBytesAtomic(path, assignmentRecord(assignment).toUtf8());
}

std::optional<QString> readAssignmentText(const QString& path) {
  constexpr qint64 kLargestAssignment = 4 * 1024 * 1024;
  if (QFileInfo(path).size() > kLargestAssignment) return std::nullopt;
  std::optional<QString> text = platform::textfile::readAll(path);
  if (text && text->contains(QChar(0))) return std::nullopt;
  return text;
}

std::optional<Assignment> readAssignmentFile(const QString& path) {
  const std::optional<QString> text = readAssignmentText(path);
  if (!text) return std::nullopt;
  return parseAssignment(*text);
}

}  // namespace essay
