#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "vocabulary/practice_state.h"

// The score file "Resources\data.dat" of a data folder: 66-byte records, one per test, teacher and
// student, with the best score of each activity. Every reader and writer of it goes through here.
namespace vocabulary {

constexpr int kScoreRecordLength = 66;
constexpr int kTestWidth = 20;
constexpr int kTeacherWidth = 10;
constexpr int kStudentWidth = 20;

// The score fields in file order.
enum ScoreField { kMChoice1, kMChoice2, kMatching1, kMatching2, kPicture1, kPicture2, kSentences,
                  kSpelling };

struct ScoreRecord {
  QString Test;
  QString Teacher;
  QString Student;
  std::array<std::int16_t, 8> scores{};
};

// Fixed-width Windows-1252 text padded with blanks (characters the code page lacks become "?",
// longer values are cut), then the eight scores as little-endian 16-bit numbers.
QByteArray EncodeScoreRecord(const ScoreRecord& record);
// Reads one record from the 66 bytes at `bytes`.
ScoreRecord DecodeScoreRecord(const char* bytes);

// Which record belongs to a practice.
struct ScoreKey {
  QString test;
  QString teacher;
  QString student;
};
// The 0-based number of the first whole record of `bytes` (a score file's content) that belongs to
// `key`, with the record; -1 when none does. A record belongs to the key when its three names,
// trimmed of blanks, equal the key's names as they would be stored (encoded and cut to the
// field's width), likewise trimmed; the comparison is case-sensitive. An incomplete record at the
// end is no record.
qsizetype FindScoreRecord(const QByteArray& bytes, const ScoreKey& key, ScoreRecord& record);

// A score file that cannot be opened, read or written; what() is fit to show the student.
class ScoreFileError : public std::runtime_error {
 public:
  explicit ScoreFileError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

// The score file of a data folder. Fixed names are found without regard to case. Readers hold
// a shared lock and writers an exclusive one for the whole read-modify-write, so two copies of
// the program sharing a classroom folder lose no record.
class ScoreFile {
 public:
  // `dataFolder`: the folder of the opened word list.
  explicit ScoreFile(const QString& dataFolder);

  const QString& path() const { return path_; }

  // The first record that belongs to `key`; nothing when none does or the file does not exist.
  std::optional<ScoreRecord> find(const ScoreKey& key) const;
  // Every whole record, in file order; none when the file does not exist. Raises ScoreFileError
  // when the data folder has no "Resources" folder or the file cannot be read.
  std::vector<ScoreRecord> readAll() const;
  // Sets the eight scores of every record of `key` to 0 in place; the file keeps its length and
  // every other byte. False when no record belongs to the key.
  bool blank(const ScoreKey& key);
  // Reads the first record of `key` (or a new one holding the key's names and zero scores),
  // lets `change` change it and writes it back at its number, or at the end when it was new.
  // The names are written as the key holds them.
  void update(const ScoreKey& key, const std::function<void(ScoreRecord&, bool found)>& change);

 private:
  void requireResourcesFolder(const QString& consequence) const;
  QString resourcesFolder_;
  QString path_;
};

// Keeps the best scores of a practice: each of the six activity fields becomes the larger of its
// stored and its current value; a new record takes the current scores, with Sentences and
// Spelling 0.
void SaveScores(ScoreFile& file, const ScoreKey& key, const PracticeScores& scores);

}  // namespace vocabulary
