// Lexorama's score file at the size of a large school's: 10,000 records. Loading one student's
// best scores must take under 20 ms and saving one record under 5 ms. The student is the last
// record, so every read scans the whole file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/bench_main.h"
#include "vocabulary/score_record.h"

namespace {

using vocabulary::ScoreKey;
using vocabulary::ScoreRecord;

constexpr int kRecords = 10000;
constexpr double kLoadBudgetMs = 20;
constexpr double kSaveBudgetMs = 5;

ScoreKey keyOf(int i) {
  return {QStringLiteral("Grade %1 Words").arg(3 + i % 6), QStringLiteral("Teacher %1").arg(i % 40),
          QStringLiteral("Student %1").arg(i)};
}

// A data folder whose score file holds kRecords records.
class ScoreFolder {
 public:
  ScoreFolder() {
    QDir().mkpath(dir_.path() + "/Resources");
    QByteArray bytes;
    bytes.reserve(kRecords * vocabulary::kScoreRecordLength);
    for (int i = 0; i < kRecords; ++i) {
      const ScoreKey key = keyOf(i);
      bytes += vocabulary::EncodeScoreRecord(
          ScoreRecord{key.test, key.teacher, key.student, {70, 80, 90, 60, 50, 40, 10, 2}});
    }
    QFile file(dir_.path() + "/Resources/data.dat");
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }
  QString path() const { return dir_.path() + '/'; }

 private:
  QTemporaryDir dir_;
};

void BM_LoadOneStudentsScores(benchmark::State& state) {
  const ScoreFolder folder;
  const vocabulary::ScoreFile file(folder.path());
  const ScoreKey last = keyOf(kRecords - 1);
  for (auto _ : state) benchmark::DoNotOptimize(file.find(last));
}
BENCHMARK(BM_LoadOneStudentsScores)->Unit(benchmark::kMillisecond);

void BM_SaveOneRecord(benchmark::State& state) {
  const ScoreFolder folder;
  vocabulary::ScoreFile file(folder.path());
  const ScoreKey last = keyOf(kRecords - 1);
  int score = 0;
  for (auto _ : state) {
    score = (score + 1) % 101;
    vocabulary::SaveScores(file, last, {score, score, score, score, score, score});
  }
}
BENCHMARK(BM_SaveOneRecord)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times& times) {
    bench_support::printTime(times, "load one student's best scores (10,000 records)",
                             "BM_LoadOneStudentsScores", kLoadBudgetMs / 1000);
    bench_support::printTime(times, "save one record (10,000 records)", "BM_SaveOneRecord",
                             kSaveBudgetMs / 1000);
  });
}
