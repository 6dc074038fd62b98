// CreateDataTableFromSQLSelect of 100 000 rows x 8 typed columns, against a bare loop over the
// same host calls (the select, the column descriptions and one call per cell, each text copied
// by the binding): prints the ratio of the two, the ratio of the parts after the host's select
// (the cell-by-cell work), and the table's heap bytes per row.
//
//   build/native/bench/sql_select_benchmark
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "emulator/emulator_api.h"
#include "tarnwick/ov_host_api.h"
#include "tarnwick/sql_select.h"

namespace {

using namespace Tarnwick;
using OvWrapper::SqlSelectProperties;

constexpr int kRows = 100'000;
const std::u16string kSelect = u"select * from bench";

void Populate() {
  emu_SetCallLogging(0);  // the log would hold a line per cell
  bool created = OvWrapper::qxApi_ExecuteSqlStatement(
      u"create table bench (name nvarchar(40), hired datetime, active bit, "
      u"badge uniqueidentifier, grade int, level smallint, salary float, serial bigint)");
  bool filled = OvWrapper::qxApi_ExecuteSqlStatement(
      u"with recursive n(i) as (select 0 union all select i + 1 from n where i < 99999) "
      u"insert into bench select 'Employee ' || i, "
      u"datetime('2020-01-01', '+' || i || ' minutes'), i % 2, "
      u"printf('%08x-%04x-4%03x-8%03x-%012x', i * 2654435761 % 4294967296, i % 65536, "
      u"i % 4096, i % 4096, i * 7), i, i % 30000, i * 1.25, i * 4294967296 from n");
  if (!created || !filled) {
    std::fprintf(stderr, "cannot fill the benchmark table\n");
    std::exit(1);
  }
}

void BM_CreateDataTableFromSQLSelect(benchmark::State& state) {
  for (auto _ : state) {
    DataTable table = OvWrapper::CreateDataTableFromSQLSelect(kSelect, u"Bench");
    if (table.RowCount() != size_t(kRows)) state.SkipWithError("wrong row count");
    benchmark::DoNotOptimize(table);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CreateDataTableFromSQLSelect)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The host conversation alone: what any reader of the same select must do.
void BM_BareHostCalls(benchmark::State& state) {
  for (auto _ : state) {
    int32_t columns = 0;
    int32_t rows = OvWrapper::qxApi_SqlSelect(kSelect.c_str(), 0, &columns);
    size_t characters = 0;
    for (int32_t c = 0; c < columns; ++c) {
      auto name = OvWrapper::qxApi_SqlSelectGetStringProperty(
          SqlSelectProperties::SQLSELECT_COLUMN_NAME, c);
      characters += name ? name->size() : 0;
      for (auto property : {SqlSelectProperties::SQLSELECT_COLUMN_NATIVE_TYPE,
                            SqlSelectProperties::SQLSELECT_COLUMN_TYPE,
                            SqlSelectProperties::SQLSELECT_COLUMN_LENGTH}) {
        characters += size_t(OvWrapper::qxApi_SqlSelectGetNumericProperty(property, c));
      }
    }
    for (int32_t r = 0; r < rows; ++r) {
      for (int32_t c = 0; c < columns; ++c) {
        std::optional<std::u16string> text = OvWrapper::qxApi_SqlSelectGetData(r, c);
        characters += text ? text->size() : 0;
      }
    }
    if (rows != kRows) state.SkipWithError("wrong row count");
    benchmark::DoNotOptimize(characters);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BareHostCalls)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The select alone: the host runs the statement and keeps its result.
void BM_HostSelectOnly(benchmark::State& state) {
  for (auto _ : state) {
    int32_t columns = 0;
    if (OvWrapper::qxApi_SqlSelect(kSelect.c_str(), 0, &columns) != kRows) {
      state.SkipWithError("wrong row count");
    }
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_HostSelectOnly)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// Keeps each benchmark's median CPU time per iteration over five repetitions, for the ratios
// (the machine's other load disturbs wall time more).
class Recorder : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
          !run.error_occurred) {
        seconds[run.run_name.function_name] = run.cpu_accumulated_time / double(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
};

// Heap bytes the table holds once loaded: the difference its release makes.
double TableBytesPerRow() {
  auto table = std::make_unique<DataTable>(OvWrapper::CreateDataTableFromSQLSelect(kSelect));
  int32_t columns = 0;
  OvWrapper::qxApi_SqlSelect(u"select 1", 0, &columns);  // drops the host's copy of the result
  size_t with = mallinfo2().uordblks;
  table.reset();
  size_t without = mallinfo2().uordblks;
  return double(with - without) / kRows;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Populate();
  Recorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();

  auto& seconds = recorder.seconds;
  if (seconds.count("BM_CreateDataTableFromSQLSelect") && seconds.count("BM_BareHostCalls") &&
      seconds.count("BM_HostSelectOnly")) {
    double table = seconds["BM_CreateDataTableFromSQLSelect"];
    double bare = seconds["BM_BareHostCalls"];
    double select = seconds["BM_HostSelectOnly"];
    std::printf("\nCPU time per load of %d rows x 8 columns:\n", kRows);
    std::printf("  CreateDataTableFromSQLSelect %8.1f ms\n", table * 1e3);
    std::printf("  bare host calls              %8.1f ms (of which the select %.1f ms)\n",
                bare * 1e3, select * 1e3);
    std::printf("Ratio, whole operation:           %.2fx\n", table / bare);
    std::printf("Ratio, after the select (cells):  %.2fx\n", (table - select) / (bare - select));
  }
  std::printf("DataTable heap bytes per row (8 typed columns): %.1f\n", TableBytesPerRow());
  return 0;
}
