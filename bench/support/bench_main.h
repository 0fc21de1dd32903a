#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

// What every benchmark program shares: an offscreen Qt application with a data root of its own,
// the usual table, and a summary of each comparison or target after it, which scripts/bench
// gathers from every program.
namespace bench_support {

// Each benchmark's real time per iteration, in seconds, by its reported name ("mapToQt/400").
class Times {
 public:
  void add(const std::string& name, double seconds) { seconds_[name] = seconds; }
  // -1 when the benchmark did not run (filtered out, or it failed).
  double seconds(const std::string& name) const;

 private:
  std::map<std::string, double> seconds_;
};

// "label = 0.93 (must be <= 1.20)", from the times of two benchmarks of the same work.
void printRatio(const Times& times, const std::string& label, const std::string& ours,
                const std::string& theirs, double limit);
// "label = 0.42 us (must be <= 1 us)", from one benchmark's time per iteration.
void printTime(const Times& times, const std::string& label, const std::string& name,
               double limitSeconds);
// "label = 1.4 MB (must be <= 20 MB)", for a measure a benchmark reports itself.
void printMeasure(const std::string& label, double value, double limit, const std::string& unit);

// What `prepare` makes for the benchmarks, kept until they end, while the application still exists.
using Fixture = std::shared_ptr<void>;

// Runs the benchmarks chosen on the command line. `prepare` runs once the application exists,
// before any benchmark; `summarise` prints the summary lines from the times.
int runBenchmarks(int argc, char** argv, const std::function<void(const Times&)>& summarise,
                  const std::function<Fixture()>& prepare = {});

}  // namespace bench_support
