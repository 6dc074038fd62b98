// A console reporter that also prints how one benchmark's time compares with another's, for
// benchmarks that measure the library against the bare calls under it.
//
//   RatioReporter reporter({RatioReporter::Pair("BM_Library", "BM_Bare")});
//   benchmark::RunSpecifiedBenchmarks(&reporter);
//   reporter.PrintRatios();   // "BM_Library / BM_Bare: 1.08x"
//
// The ratio uses the CPU time per iteration, the median one when the benchmarks are repeated.
// Figures are printed, never checked.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace Tarnwick::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  using Pair = std::pair<std::string, std::string>;  // measured, baseline
  explicit RatioReporter(std::vector<Pair> pairs)
      : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular),
        pairs_(std::move(pairs)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string name = run.run_name.str();
      // With repetitions the median stands for the benchmark; without, its one run does.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians_[name] = run.GetAdjustedCPUTime();
      } else if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        lastRuns_[name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    for (const auto& [measured, baseline] : pairs_) {
      const double m = Time(measured);
      const double b = Time(baseline);
      if (m <= 0 || b <= 0) continue;
      std::printf("%s / %s: %.2fx\n", measured.c_str(), baseline.c_str(), m / b);
    }
  }

 private:
  double Time(const std::string& name) const {
    if (auto found = medians_.find(name); found != medians_.end()) return found->second;
    if (auto found = lastRuns_.find(name); found != lastRuns_.end()) return found->second;
    return 0;
  }

  std::vector<Pair> pairs_;
  std::map<std::string, double> medians_;
  std::map<std::string, double> lastRuns_;
};

}  // namespace Tarnwick::bench
