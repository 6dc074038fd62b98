// Ratios between benchmarks, printed after the run:
//
//   TARNWICK_RATIO("BM_GetHtmlDataString/1024", "BM_Memcpy/1024", 10.0);
//
// prints "BM_GetHtmlDataString/1024 / BM_Memcpy/1024 = 3.1x (aim <= 10x)".
#pragma once

#include <string>
#include <vector>

namespace Tarnwick::bench {

struct Ratio {
  std::string measured;
  std::string baseline;
  double aim;
};

std::vector<Ratio>& Ratios();

struct RatioRegistration {
  RatioRegistration(std::string measured, std::string baseline, double aim) {
    Ratios().push_back({std::move(measured), std::move(baseline), aim});
  }
};

}  // namespace Tarnwick::bench

#define TARNWICK_RATIO_CONCAT2(a, b) a##b
#define TARNWICK_RATIO_CONCAT(a, b) TARNWICK_RATIO_CONCAT2(a, b)
#define TARNWICK_RATIO(measured, baseline, aim)                                              \
  static ::Tarnwick::bench::RatioRegistration TARNWICK_RATIO_CONCAT(ratio_, __LINE__)( \
      measured, baseline, aim)
