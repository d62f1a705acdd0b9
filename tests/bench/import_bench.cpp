// Time and automation calls per cell of whole imports of 200 x 50 tables (plain, rich text, two
// conditional formats, a checkerboard of formats), and per shape of a sheet of 500 shapes, through
// the stand-in Excel and a receiver in memory (bench_books.h). Each iteration imports a fresh copy
// of the workbook. The time is that of the add-in's code and the stand-in together: it shows the
// cost of the calls, not Excel's. Which members the calls are: vk_call_breakdown.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_books.h"
#include "import_rig.h"

namespace {

using namespace vk::bench;

// items: the cells or shapes the counters are given per ("cell", "shape").
void RunImports(benchmark::State& state, const std::string& book, double items = kCells,
                const std::string& item = "cell") {
  size_t calls = 0;
  for (auto _ : state) {
    state.PauseTiming();
    vk::test::ImportRig rig(book);
    rig.excel->SetRecording(false);
    state.ResumeTiming();
    if (rig.Run(0) != 0) state.SkipWithError("import failed");
    calls = rig.excel->CallCount();
  }
  state.counters["calls_per_" + item] = static_cast<double>(calls) / items;
  state.counters["time_per_" + item] =
      benchmark::Counter(items, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_PlainCells(benchmark::State& state) {
  static const std::string book = PlainTable();
  RunImports(state, book);
}
BENCHMARK(BM_PlainCells)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RichTextCells(benchmark::State& state) {
  static const std::string book = RichTextTable();
  RunImports(state, book);
}
BENCHMARK(BM_RichTextCells)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TwoConditionalFormatsPerCell(benchmark::State& state) {
  static const std::string book = TwoConditionsTable();
  RunImports(state, book);
}
BENCHMARK(BM_TwoConditionalFormatsPerCell)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CheckerboardCells(benchmark::State& state) {
  static const std::string book = CheckerboardTable();
  RunImports(state, book);
}
BENCHMARK(BM_CheckerboardCells)->Unit(benchmark::kMillisecond)->Iterations(3);

// Calls and time are counted per shape.
void BM_Shapes(benchmark::State& state) {
  static const std::string book = ShapesSheet();
  RunImports(state, book, kShapes, "shape");
}
BENCHMARK(BM_Shapes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
