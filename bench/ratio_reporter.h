// A console reporter that also prints how one benchmark's time compares with another's, for
// benchmarks that measure the library against the bare calls under it. Each benchmark file
// registers its pairs beside its benchmarks, with the ratio it aims for:
//
//   TARNWICK_RATIO("BM_Library", "BM_Bare", 1.2);
//   ...   // after the run: "BM_Library / BM_Bare: 1.08x (aim <= 1.2x)"
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

struct Ratio {
  std::string measured;
  std::string baseline;
  double aim;
};

inline std::vector<Ratio>& Ratios() {
  static std::vector<Ratio> ratios;
  return ratios;
}

struct RatioRegistration {
  RatioRegistration(std::string measured, std::string baseline, double aim) {
    Ratios().push_back({std::move(measured), std::move(baseline), aim});
  }
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

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
    for (const Ratio& ratio : Ratios()) {
      const double m = Time(ratio.measured);
      const double b = Time(ratio.baseline);
      if (m <= 0 || b <= 0) continue;
      std::printf("%s / %s: %.2fx (aim <= %gx)\n", ratio.measured.c_str(), ratio.baseline.c_str(),
                  m / b, ratio.aim);
    }
  }

 private:
  double Time(const std::string& name) const {
    if (auto found = medians_.find(name); found != medians_.end()) return found->second;
    if (auto found = lastRuns_.find(name); found != lastRuns_.end()) return found->second;
    return 0;
  }

  std::map<std::string, double> medians_;
  std::map<std::string, double> lastRuns_;
};

}  // namespace Tarnwick::bench

#define TARNWICK_RATIO_CONCAT2(a, b) a##b
#define TARNWICK_RATIO_CONCAT(a, b) TARNWICK_RATIO_CONCAT2(a, b)
#define TARNWICK_RATIO(measured, baseline, aim)                                              \
  static ::Tarnwick::bench::RatioRegistration TARNWICK_RATIO_CONCAT(ratio_, __LINE__)( \
      measured, baseline, aim)
