#include "support/bench_main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace bench_support {
namespace {

class TimesReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal: scripts/bench gathers the output through a pipe.
  explicit TimesReporter(Times& times)
      : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular), times_(times) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        times_.add(run.benchmark_name(),
                   run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit));
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

 private:
  Times& times_;
};

void printLine(const std::string& label, const std::string& figure, const std::string& bound,
               bool kept) {
  std::printf("%s = %s (must be <= %s)%s\n", label.c_str(), figure.c_str(), bound.c_str(),
              kept ? "" : "  MISSED");
}

std::string format(double value, const std::string& unit) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3g%s%s", value, unit.empty() ? "" : " ", unit.c_str());
  return text;
}

// A duration in the unit that reads best.
std::string formatSeconds(double seconds) {
  if (seconds < 1e-3) return format(seconds * 1e6, "us");
  if (seconds < 1.0) return format(seconds * 1e3, "ms");
  return format(seconds, "s");
}

}  // namespace

double Times::seconds(const std::string& name) const {
  const auto found = seconds_.find(name);
  return found == seconds_.end() ? -1.0 : found->second;
}

void printRatio(const Times& times, const std::string& label, const std::string& ours,
                const std::string& theirs, double limit) {
  const double a = times.seconds(ours);
  const double b = times.seconds(theirs);
  if (a < 0 || b <= 0) return;
  char figure[32];
  char bound[32];
  std::snprintf(figure, sizeof figure, "%.2f", a / b);
  std::snprintf(bound, sizeof bound, "%.2f", limit);
  printLine(label, figure, bound, a / b <= limit);
}

void printTime(const Times& times, const std::string& label, const std::string& name,
               double limitSeconds) {
  const double seconds = times.seconds(name);
  if (seconds < 0) return;
  printLine(label, formatSeconds(seconds), formatSeconds(limitSeconds),
            seconds <= limitSeconds);
}

void printMeasure(const std::string& label, double value, double limit, const std::string& unit) {
  printLine(label, format(value, unit), format(limit, unit), value <= limit);
}

int runBenchmarks(int argc, char** argv, const std::function<void(const Times&)>& summarise,
                  const std::function<Fixture()>& prepare) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Windows read and write settings; keep them away from the user's own.
  QTemporaryDir root;
  qputenv("SCRIBARY_ROOT", root.path().toLocal8Bit());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Times times;
  {
    const Fixture fixture = prepare ? prepare() : nullptr;
    TimesReporter reporter(times);
    benchmark::RunSpecifiedBenchmarks(&reporter);
  }
  std::fflush(stdout);
  if (summarise) summarise(times);
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench_support
