// MakeDocumentLinks over 10 000 documents on the emulator, against a loop making only the host
// calls it needs (and nothing of the link text or the clipboard).
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "commands/exports.h"
#include "emulator/emulator_api.h"
#include "ratio_reporter.h"
#include "tarnwick/ov_host_api.h"

namespace {

using namespace Tarnwick;
constexpr int32_t kDocuments = 10000;

struct Selection {
  std::vector<int32_t> projects, documents;
};

const Selection& LoadDocuments() {
  static const Selection selection = [] {
    nlohmann::json fixture = {{"datasource", "archive:Main"}};
    fixture["folders"] = {{{"id", 3}, {"guid", "16fd2706-8baf-433b-82eb-8c7fada847da"}, {"name", "F"}}};
    Selection s;
    for (int32_t i = 1; i <= kDocuments; ++i) {
      char guid[40];
      std::snprintf(guid, sizeof guid, "%08x-d9cb-469f-a165-70867728950e", unsigned(i));
      fixture["documents"].push_back(
          {{"project", 3}, {"id", i}, {"guid", guid}, {"name", "Document " + std::to_string(i) + ".pdf"}});
      s.projects.push_back(3);
      s.documents.push_back(i);
    }
    emu_LoadFixture(fixture.dump().c_str());
    return s;
  }();
  return selection;
}

void BM_DocumentCommand(benchmark::State& state) {
  const Selection& s = LoadDocuments();
  for (auto _ : state) {
    emu_ClearCallLog();
    benchmark::DoNotOptimize(DocumentCommand(kDocuments, s.projects.data(), s.documents.data()));
  }
}

void BM_HostCallsOnly(benchmark::State& state) {
  const Selection& s = LoadDocuments();
  for (auto _ : state) {
    emu_ClearCallLog();
    for (int32_t i = 0; i < kDocuments; ++i) {
      OvWrapper::HostHandle buffer = OvWrapper::qxApi_SelectDocumentDataBuffer(3, s.documents[i]);
      if (OvWrapper::qxApi_DmsDataBufferGetCount(buffer) == 1) {
        auto name = OvWrapper::qxApi_DmsDataBufferGetStringProperty(buffer, 20, 0);
        benchmark::DoNotOptimize(name);
        for (int twice = 0; twice < 2; ++twice) {
          char16_t datasource[1024];
          OvWrapper::qxApi_GetActiveDatasourceName(datasource, 1024);
          OvWrapper::QxDocItem item{3, s.documents[i]};
          Guid guid;
          OvWrapper::qxApi_GetDocumentGUIDsByIds(1, &item, &guid);
          benchmark::DoNotOptimize(guid);
        }
      }
      OvWrapper::qxApi_DmsDataBufferFree(buffer);
    }
  }
}

BENCHMARK(BM_DocumentCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostCallsOnly)->Unit(benchmark::kMillisecond);
TARNWICK_RATIO("BM_DocumentCommand", "BM_HostCallsOnly", 1.5);

}  // namespace
