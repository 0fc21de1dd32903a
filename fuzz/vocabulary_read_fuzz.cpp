// Feeds arbitrary bytes to Lexorama's word-list reader and score-record reader. A word list that
// reads must write out and read back the same; every whole score record must encode back to its
// own bytes, and finding a record must not depend on anything past the whole records.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "vocabulary/score_record.h"
#include "vocabulary/word_list_file.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void checkWordList(const QByteArray& input) {
  using namespace vocabulary;
  const WordListResult result = ParseWordListBytes(input);
  const auto* items = std::get_if<QList<WordListItem>>(&result);
  if (!items) return;
  if (items->size() > kMaxWordListItems) fail("More items than a list may hold");
  QStringList lines;
  for (const WordListItem& item : *items) {
    lines.append(item.definition2.isEmpty()
                     ? item.word + '/' + item.definition1
                     : item.word + '/' + item.definition1 + '/' + item.definition2);
  }
  // A byte order mark in front, as some editors write: a mark the list's text begins with stays.
  const WordListResult again =
      ParseWordListBytes(QByteArray("\xEF\xBB\xBF") + WordListFileText(lines).toUtf8());
  const auto* reread = std::get_if<QList<WordListItem>>(&again);
  if (!reread || reread->size() != items->size()) fail("A written list reads differently");
  for (qsizetype i = 0; i < items->size(); ++i) {
    if ((*reread)[i].word != (*items)[i].word) fail("A word changed between write and read");
  }
}

void checkScoreRecords(const QByteArray& input) {
  using namespace vocabulary;
  const qsizetype whole = input.size() / kScoreRecordLength;
  for (qsizetype i = 0; i < whole; ++i) {
    const char* at = input.constData() + i * kScoreRecordLength;
    if (EncodeScoreRecord(DecodeScoreRecord(at)) != QByteArray(at, kScoreRecordLength)) {
      fail("A record does not encode back to its bytes");
    }
  }
  if (whole == 0) return;
  // The first record's own names find it (or an earlier record holding the same names).
  const ScoreRecord first = DecodeScoreRecord(input.constData());
  ScoreRecord found;
  const qsizetype number =
      FindScoreRecord(input, {first.Test, first.Teacher, first.Student}, found);
  if (number != 0) fail("A record's own names do not find it");
  ScoreRecord again;
  if (FindScoreRecord(input.left(whole * kScoreRecordLength), {found.Test, found.Teacher,
                                                               found.Student}, again) != number) {
    fail("An incomplete tail changed the search");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  checkWordList(input);
  checkScoreRecords(input);
  return 0;
}
