#include "vocabulary/score_record.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <unistd.h>

#include "platform/files/cp1252.h"
#include "platform/files/locations.h"
#include "platform/files/textfile.h"

namespace vocabulary {
namespace {

constexpr int kTeacherOffset = kTestWidth;
constexpr int kStudentOffset = kTeacherOffset + kTeacherWidth;
constexpr int kScoresOffset = kStudentOffset + kStudentWidth;

QByteArray fieldBytes(const QString& text, int width) {
  QByteArray bytes;
  bytes.reserve(width);
  for (const QChar c : text) {
    if (bytes.size() == width) break;
    unsigned char byte = 0;
    bytes.append(platform::cp1252::fromUnicode(c, byte) ? static_cast<char>(byte) : '?');
  }
  return bytes.leftJustified(width, ' ');
}

// A field without its leading and trailing blanks. The code page gives every byte its own
// character and the blank only to the blank byte, so fields compare the same as bytes or as text.
QByteArrayView trimmedBlanks(QByteArrayView field) {
  while (!field.isEmpty() && field.front() == ' ') field = field.sliced(1);
  while (!field.isEmpty() && field.back() == ' ') field.chop(1);
  return field;
}

// The key's names as a record would hold them, trimmed.
struct StoredKey {
  explicit StoredKey(const ScoreKey& key)
      : test(fieldBytes(key.test, kTestWidth)),
        teacher(fieldBytes(key.teacher, kTeacherWidth)),
        student(fieldBytes(key.student, kStudentWidth)) {}
  bool matches(const char* record) const {
    // The student field tells most records apart; it is compared first.
    return trimmedBlanks({record + kStudentOffset, kStudentWidth}) == trimmedBlanks(student) &&
           trimmedBlanks({record + kTeacherOffset, kTeacherWidth}) == trimmedBlanks(teacher) &&
           trimmedBlanks({record, kTestWidth}) == trimmedBlanks(test);
  }
  QByteArray test;
  QByteArray teacher;
  QByteArray student;
};

QString fieldText(const char* bytes, int width) {
  return platform::cp1252::decode(QByteArray(bytes, width));
}

std::int16_t readInt16(const char* bytes) {
  const auto low = static_cast<unsigned char>(bytes[0]);
  const auto high = static_cast<unsigned char>(bytes[1]);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

void appendInt16(QByteArray& bytes, std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  bytes.append(static_cast<char>(bits & 0xFF));
  bytes.append(static_cast<char>(bits >> 8));
}

QString writeFailureReason(int error) {
  if (error == ENOSPC || error == EDQUOT) return QStringLiteral("the disk is full");
  return QString::fromLocal8Bit(std::strerror(error));
}

// Why the score file cannot be opened, as a student or teacher can act on it. The permission
// bits are read as well as the system's answer: a program run by root would otherwise write a
// file that the class's teacher has made read-only.
QString openFailure(const QString& path, bool writing, bool systemRefused) {
  const QString shown = platform::locations::forDisplay(path);
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  if (file.isDir()) {
    return QStringLiteral("The score file %1 cannot be opened, as a folder has its name. A teacher "
                          "must move that folder away first.")
        .arg(shown);
  }
  if (!file.exists()) {
    if (writing && !platform::textfile::mayWrite(folder)) {
      return QStringLiteral("The score file %1 cannot be made, as its folder is read-only. A "
                            "teacher must allow changes to that folder first.")
          .arg(shown);
    }
  } else if (writing && !platform::textfile::mayWrite(file)) {
    return QStringLiteral("The score file %1 is read-only, so no score can be written to it. A "
                          "teacher must allow changes to it first.")
        .arg(shown);
  } else if (!file.isReadable() || !file.permissions().testFlag(QFile::ReadOwner)) {
    return QStringLiteral("The score file %1 may not be read. A teacher must allow reading it "
                          "first.")
        .arg(shown);
  }
  if (!systemRefused) return QString();
  return QStringLiteral("The score file %1 cannot be opened. A teacher must check that it is there "
                        "and may be changed.")
      .arg(shown);
}

// An open score file with a lock held for as long as it lives.
class LockedFile {
 public:
  LockedFile(const QString& path, QIODevice::OpenMode mode, int lockKind) : file_(path) {
    const bool writing = mode.testFlag(QIODevice::WriteOnly);
    if (const QString refused = openFailure(path, writing, false); !refused.isEmpty()) {
      throw ScoreFileError(refused);
    }
    if (!file_.open(mode)) throw ScoreFileError(openFailure(path, writing, true));
    // A lock is only advice to the other copies; a file system without locks still works alone.
    while (flock(file_.handle(), lockKind) != 0 && errno == EINTR) {
    }
  }
  ~LockedFile() { flock(file_.handle(), LOCK_UN); }
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  QByteArray readAll() {
    QByteArray bytes = file_.readAll();
    if (file_.error() != QFileDevice::NoError) fail(QStringLiteral("read"), file_.errorString());
    return bytes;
  }
  // Written past the file's buffer, so that the system's own reason for a refused write is
  // known. A record the disk took only part of is taken back: the file keeps whole records.
  void writeAt(qint64 offset, const QByteArray& bytes) {
    const qint64 sizeBefore = file_.size();
    qint64 done = 0;
    while (done < bytes.size()) {
      const ssize_t written = pwrite(file_.handle(), bytes.constData() + done,
                                     static_cast<size_t>(bytes.size() - done), offset + done);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        const int error = written < 0 ? errno : ENOSPC;
        if (offset + done > sizeBefore) file_.resize(sizeBefore);
        fail(QStringLiteral("written"), writeFailureReason(error));
      }
      done += written;
    }
  }

 private:
  [[noreturn]] void fail(const QString& what, const QString& reason) {
    throw ScoreFileError(QStringLiteral("The score file %1 cannot be %2: %3.")
                             .arg(platform::locations::forDisplay(file_.fileName()), what, reason));
  }
  QFile file_;
};

}  // namespace

qsizetype FindScoreRecord(const QByteArray& bytes, const ScoreKey& key, ScoreRecord& record) {
  const StoredKey stored(key);
  const qsizetype count = bytes.size() / kScoreRecordLength;
  for (qsizetype i = 0; i < count; ++i) {
    const char* at = bytes.constData() + i * kScoreRecordLength;
    if (stored.matches(at)) {
      record = DecodeScoreRecord(at);
      return i;
    }
  }
  return -1;
}

QByteArray EncodeScoreRecord(const ScoreRecord& record) {
  QByteArray bytes = fieldBytes(record.Test, kTestWidth) +
                     fieldBytes(record.Teacher, kTeacherWidth) +
                     fieldBytes(record.Student, kStudentWidth);
  for (const std::int16_t score : record.scores) appendInt16(bytes, score);
  return bytes;
}

ScoreRecord DecodeScoreRecord(const char* bytes) {
  ScoreRecord record;
  record.Test = fieldText(bytes, kTestWidth);
  record.Teacher = fieldText(bytes + kTeacherOffset, kTeacherWidth);
  record.Student = fieldText(bytes + kStudentOffset, kStudentWidth);
  for (std::size_t i = 0; i < record.scores.size(); ++i) {
    record.scores[i] = readInt16(bytes + kScoresOffset + 2 * static_cast<int>(i));
  }
  return record;
}

ScoreFile::ScoreFile(const QString& dataFolder)
    : resourcesFolder_(platform::locations::resolve(dataFolder, QStringLiteral("Resources"))),
      path_(platform::locations::resolve(dataFolder, QStringLiteral("Resources\\data.dat"))) {}

void ScoreFile::requireResourcesFolder(const QString& consequence) const {
  if (!QFileInfo(resourcesFolder_).isDir()) {
    throw ScoreFileError(
        QStringLiteral("The folder of this word list has no \"Resources\" folder, so ") +
        consequence);
  }
}

std::optional<ScoreRecord> ScoreFile::find(const ScoreKey& key) const {
  requireResourcesFolder(QStringLiteral("no scores can be kept for it."));
  if (!QFileInfo::exists(path_)) return std::nullopt;
  LockedFile file(path_, QIODevice::ReadOnly, LOCK_SH);
  ScoreRecord record;
  if (FindScoreRecord(file.readAll(), key, record) < 0) return std::nullopt;
  return record;
}

std::vector<ScoreRecord> ScoreFile::readAll() const {
  requireResourcesFolder(QStringLiteral("it has no scores to show."));
  std::vector<ScoreRecord> records;
  if (!QFileInfo::exists(path_)) return records;
  LockedFile file(path_, QIODevice::ReadOnly, LOCK_SH);
  const QByteArray bytes = file.readAll();
  const qsizetype count = bytes.size() / kScoreRecordLength;
  records.reserve(static_cast<std::size_t>(count));
  for (qsizetype i = 0; i < count; ++i) {
    records.push_back(DecodeScoreRecord(bytes.constData() + i * kScoreRecordLength));
  }
  return records;
}

bool ScoreFile::blank(const ScoreKey& key) {
  requireResourcesFolder(QStringLiteral("no record can be deleted."));
  if (!QFileInfo::exists(path_)) return false;
  LockedFile file(path_, QIODevice::ReadWrite, LOCK_EX);
  const QByteArray bytes = file.readAll();
  // A key may have more than one record; a deleted record must not come back from another.
  const StoredKey stored(key);
  const QByteArray zeros(2 * static_cast<qsizetype>(ScoreRecord().scores.size()), '\0');
  bool found = false;
  for (qsizetype i = 0; i < bytes.size() / kScoreRecordLength; ++i) {
    if (!stored.matches(bytes.constData() + i * kScoreRecordLength)) continue;
    file.writeAt(i * kScoreRecordLength + kScoresOffset, zeros);
    found = true;
  }
  return found;
}

void ScoreFile::update(const ScoreKey& key,
                       const std::function<void(ScoreRecord&, bool found)>& change) {
  requireResourcesFolder(QStringLiteral("the scores cannot be saved."));
  LockedFile file(path_, QIODevice::ReadWrite, LOCK_EX);
  const QByteArray bytes = file.readAll();
  ScoreRecord record;
  qsizetype number = FindScoreRecord(bytes, key, record);
  const bool found = number >= 0;
  // A new record goes after the last whole one, over an incomplete tail.
  if (!found) number = bytes.size() / kScoreRecordLength;
  record.Test = key.test;
  record.Teacher = key.teacher;
  record.Student = key.student;
  change(record, found);
  file.writeAt(number * kScoreRecordLength, EncodeScoreRecord(record));
}

void SaveScores(ScoreFile& file, const ScoreKey& key, const PracticeScores& scores) {
  file.update(key, [&scores](ScoreRecord& record, bool found) {
    for (std::size_t i = 0; i < scores.size(); ++i) {
      const auto current = static_cast<std::int16_t>(std::clamp(scores[i], -32768, 32767));
      record.scores[i] = found ? std::max(record.scores[i], current) : current;
    }
  });
}

}  // namespace vocabulary
