// Lexorama's score report over a score file of 10,000 records: reading the file, filling the
// filters, listing every row in the grid and sorting it by a score column must take under
// 100 ms together.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/windows/grid.h"
#include "support/bench_main.h"
#include "vocabulary/score_report.h"

namespace {

using vocabulary::ScoreRecord;

constexpr int kRecords = 10000;
constexpr double kBudgetSeconds = 0.1;

class ScoreFolder {
 public:
  ScoreFolder() {
    QDir().mkpath(dir_.path() + "/Resources");
    QByteArray bytes;
    for (int i = 0; i < kRecords; ++i) {
      const auto score = static_cast<std::int16_t>(i * 7 % 101);
      bytes += vocabulary::EncodeScoreRecord(
          ScoreRecord{QStringLiteral("Grade %1 Words").arg(3 + i % 6),
                      QStringLiteral("Teacher %1").arg(i % 40), QStringLiteral("Student %1").arg(i),
                      {score, 80, 90, 60, 50, 40, 10, 2}});
    }
    QFile file(dir_.path() + "/Resources/data.dat");
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }
  QString path() const { return dir_.path() + '/'; }

 private:
  QTemporaryDir dir_;
};

void BM_ReportLoadFilterSort(benchmark::State& state) {
  const ScoreFolder folder;
  platform::Grid grid;
  for (auto _ : state) {
    const std::vector<vocabulary::ReportRow> rows = vocabulary::ReadReportRows(folder.path());
    for (const auto column :
         {vocabulary::kReportTest, vocabulary::kReportTeacher, vocabulary::kReportStudent}) {
      benchmark::DoNotOptimize(vocabulary::ReportFilterEntries(rows, column));
    }
    grid.Clear();
    grid.setRows(1);
    grid.setFormatString(vocabulary::kReportFormat);
    const vocabulary::ReportFilter filter;
    std::vector<QStringList> listed;
    for (const vocabulary::ReportRow& row : rows) {
      if (filter.accepts(row)) {
        listed.push_back(vocabulary::ReportCells(row, static_cast<int>(listed.size()) + 1));
      }
    }
    grid.AddRows(listed);
    for (int at = 1; at < grid.Rows(); ++at) {
      grid.setCellBackColor(at, 3, QColor(255, 255, 128));
      grid.setCellBackColor(at, 4, QColor(255, 255, 128));
    }
    grid.Sort(5, platform::flexSortNumericDescending);
  }
}
BENCHMARK(BM_ReportLoadFilterSort)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times& times) {
    bench_support::printTime(times, "score report of 10,000 records", "BM_ReportLoadFilterSort",
                             kBudgetSeconds);
  });
}
