// The CF_HTML writer against copying the same UTF-8 bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "clipboard/cf_html.h"
#include "platform/text.h"
#include "ratio_reporter.h"

namespace {

// Anchors with a few non-ASCII names, as the menu commands produce them.
std::u16string Fragment(size_t bytes) {
  const std::u16string anchor =
      u"<a href=\"http://localhost/Web/OvURLLauncher.html?ov://archive:Main/Documents/"
      u"D{0f8fad5b-d9cb-469f-a165-70867728950e}/\">\u00dcbersicht \U0001F309.pdf</a><br>";
  const size_t anchorBytes = Tarnwick::platform::Utf8Length(anchor);
  std::u16string html;
  for (size_t made = 0; made < bytes; made += anchorBytes) html += anchor;
  return html;
}

void BM_GetHtmlDataString(benchmark::State& state) {
  const std::u16string html = Fragment(size_t(state.range(0)));
  for (auto _ : state) {
    std::u16string text = Tarnwick::ClipboardHelper::detail::GetHtmlDataString(html);
    benchmark::DoNotOptimize(text.data());
  }
}

void BM_Memcpy(benchmark::State& state) {
  const std::string bytes = Tarnwick::platform::ToUtf8(Fragment(size_t(state.range(0))));
  std::string copy(bytes.size(), '\0');
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_GetHtmlDataString)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK(BM_Memcpy)->Arg(1 << 10)->Arg(1 << 20);
TARNWICK_RATIO("BM_GetHtmlDataString/1024", "BM_Memcpy/1024", 10);
TARNWICK_RATIO("BM_GetHtmlDataString/1048576", "BM_Memcpy/1048576", 10);

}  // namespace
