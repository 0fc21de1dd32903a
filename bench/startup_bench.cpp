// From starting a program to its first window on the screen, against the plainest Qt main window:
// the medians of alternating starts, with a data folder that earlier starts have filled.
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "support/bench_main.h"

namespace {

constexpr int kStarts = 31;
constexpr double kLimit = 1.2;

struct Program {
  const char* name;
  const char* label;
};
const Program kPrograms[] = {{"quillora", "Quillora"},
                             {"lexorama", "Lexorama"},
                             {"webloom", "Webloom"},
                             {"voxlet", "Voxlet!"}};

// Median start of each program and of the bare window measured beside it, in seconds.
struct Medians {
  double program = 0;
  double bare = 0;
};
std::map<std::string, Medians> medians;

// Seconds until the program says its first window is drawn; nothing when it never does.
std::optional<double> timeToFirstWindow(const QString& executable) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("SCRIBARY_EXIT_AT_FIRST_WINDOW"), QStringLiteral("1"));
  process.setProcessEnvironment(environment);
  process.setStandardErrorFile(QProcess::nullDevice());
  QElapsedTimer clock;
  clock.start();
  process.start(executable, {});
  std::optional<double> seconds;
  while (process.waitForReadyRead(30000)) {
    if (process.readAllStandardOutput().contains("shown")) {
      seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
      break;
    }
  }
  if (!process.waitForFinished(5000)) process.kill();
  return seconds;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void BM_FirstWindow(benchmark::State& state, const Program& program) {
  const QString executable = QStringLiteral(SCRIBARY_PROGRAM_DIR "/") + program.name;
  const QString bare = QStringLiteral(SCRIBARY_BARE_WINDOW);
  // The first start fills the data folder, as a student's first day does.
  if (!timeToFirstWindow(executable)) {
    state.SkipWithError("the program showed no window");
    return;
  }
  for (auto _ : state) {
    std::vector<double> programTimes;
    std::vector<double> bareTimes;
    for (int start = 0; start < kStarts; ++start) {
      // Alternate which goes first, so neither always meets the other's warm caches.
      const bool programFirst = start % 2 == 1;
      const auto first = timeToFirstWindow(programFirst ? executable : bare);
      const auto second = timeToFirstWindow(programFirst ? bare : executable);
      if (!first || !second) {
        state.SkipWithError("a start showed no window");
        return;
      }
      programTimes.push_back(programFirst ? *first : *second);
      bareTimes.push_back(programFirst ? *second : *first);
    }
    Medians& found = medians[program.label];
    found = {median(programTimes), median(bareTimes)};
    state.SetIterationTime(found.program);
    state.counters["bare_ms"] = found.bare * 1e3;
    state.counters["ratio"] = found.program / found.bare;
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const Program& program : kPrograms) {
    const std::string name = std::string("BM_FirstWindow/") + program.name;
    auto* firstWindow = benchmark::RegisterBenchmark(
        name.c_str(), [&program](benchmark::State& state) { BM_FirstWindow(state, program); });
    firstWindow->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
  }
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times&) {
    for (const auto& [label, found] : medians) {
      bench_support::printMeasure(label + " first window / bare Qt window",
                                  found.program / found.bare, kLimit, "x");
    }
  });
}
