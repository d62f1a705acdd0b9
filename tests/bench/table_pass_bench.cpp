// Imports of a 200 x 50 table through the stand-in Excel and a memory link: plain cells and
// rich-text cells. Reports automation calls per cell and time per cell; the time is that of the
// add-in's code and the stand-in together, so it shows the cost of the calls, not Excel's.
#include <benchmark/benchmark.h>

#include <string>

#include "import_rig.h"

namespace {

constexpr int kRows = 200;
constexpr int kColumns = 50;

std::string Workbook(const std::string& cell) {
  std::string rows;
  for (int r = 0; r < kRows; ++r) {
    rows += r == 0 ? "[" : ",[";
    for (int c = 0; c < kColumns; ++c) rows += (c == 0 ? "" : ",") + cell;
    rows += "]";
  }
  return R"({"selection":"A1:AX200","sheets":[{"name":"Bench","blocks":[{"at":"A1","rows":[)" + rows + "]}]}]}";
}

void Import(benchmark::State& state, const std::string& json) {
  vk::test::ImportRig rig(json);
  rig.excel->SetRecording(false);
  rig.link.keepRecordBytes = false;
  size_t calls = 0;
  for (auto _ : state) {
    rig.excel->ClearCalls();
    rig.link.messages.clear();
    if (rig.Run(1) != 0) state.SkipWithError("import failed");
    calls = rig.excel->CallCount();
  }
  constexpr double cells = double{kRows} * kColumns;
  state.counters["calls_per_cell"] = static_cast<double>(calls) / cells;
  state.counters["time_per_cell"] =
      benchmark::Counter(cells, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void PlainCells(benchmark::State& state) { Import(state, Workbook("12.5")); }
void RichTextCells(benchmark::State& state) {
  Import(state, Workbook(R"({"rich":[{"text":"Flow "},{"text":"m3/h","bold":true,"size":9}]})"));
}

BENCHMARK(PlainCells)->Unit(benchmark::kMillisecond);
BENCHMARK(RichTextCells)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
