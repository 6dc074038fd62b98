// Runs every benchmark, then prints the registered ratios between them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

#include "ratio.h"

namespace Tarnwick::bench {

std::vector<Ratio>& Ratios() {
  static std::vector<Ratio> ratios;
  return ratios;
}

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nRatios:\n");
    for (const Ratio& ratio : Ratios()) {
      auto measured = times_.find(ratio.measured);
      auto baseline = times_.find(ratio.baseline);
      if (measured == times_.end() || baseline == times_.end() || baseline->second <= 0) continue;
      std::printf("  %-40s / %-36s = %6.2fx (aim <= %gx)\n", ratio.measured.c_str(),
                  ratio.baseline.c_str(), measured->second / baseline->second, ratio.aim);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace Tarnwick::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Tarnwick::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
