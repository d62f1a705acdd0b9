// Time and automation calls per cell of whole imports of 200 x 50 tables (plain, rich text, two
// conditional formats, a checkerboard of formats), and per shape of a sheet of 500 shapes, through the stand-in Excel and a receiver in memory. Each iteration imports a fresh copy of the workbook. The time
// is that of the add-in's code and the stand-in together: it shows the cost of the calls, not
// Excel's.
#include <benchmark/benchmark.h>

#include <string>

#include "import_rig.h"

namespace {

constexpr int kRows = 200;
constexpr int kColumns = 50;

// kRows x kColumns cells from A1 (numbers counting up, or the cell given), and the sheet keys
// given.
std::string Table(const std::string& sheetKeys, const std::string& cell = "") {
  std::string rows;
  for (int r = 0; r < kRows; ++r) {
    rows += r ? ",[" : "[";
    for (int c = 0; c < kColumns; ++c) rows += (c ? "," : "") + (cell.empty() ? std::to_string(r * kColumns + c) : cell);
    rows += "]";
  }
  return R"({"sheets": [{"name": "Bench", "blocks": [{"at": "A1", "rows": [)" + rows + "]}]" + sheetKeys + "}]}";
}

// items: the cells or shapes the counters are given per ("cell", "shape").
void RunImports(benchmark::State& state, const std::string& book, double items = kRows * kColumns,
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

// The same table without rules: what the conditions add shows against it.
void BM_PlainCells(benchmark::State& state) {
  static const std::string book = Table("");
  RunImports(state, book);
}
BENCHMARK(BM_PlainCells)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every cell rich text: two runs of different fonts.
void BM_RichTextCells(benchmark::State& state) {
  static const std::string book =
      Table("", R"({"rich":[{"text":"Flow "},{"text":"m3/h","bold":true,"size":9}]})");
  RunImports(state, book);
}
BENCHMARK(BM_RichTextCells)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every cell under two rules: a cell-value rule and an expression with a relative reference.
void BM_TwoConditionalFormatsPerCell(benchmark::State& state) {
  static const std::string book = Table(R"(, "conditionalFormats": [
      {"appliesTo": "A1:AX200", "type": "cellValue", "operator": "greater", "formula1": "=5000",
       "fill": {"color": "#FFC7CE"}},
      {"appliesTo": "A1:AX200", "type": "expression", "formula1": "=MOD(A1,2)=0", "font": {"bold": true}}])");
  RunImports(state, book);
}
BENCHMARK(BM_TwoConditionalFormatsPerCell)->Unit(benchmark::kMillisecond)->Iterations(3);

// Formats that vary cell by cell, a checkerboard: every other cell bold over a fill with a top
// and a left border, the others plain, so that no row, column or area shares one answer.
void BM_CheckerboardCells(benchmark::State& state) {
  static const std::string book = [] {
    std::string rows;
    for (int r = 0; r < kRows; ++r) {
      rows += r ? ",[" : "[";
      for (int c = 0; c < kColumns; ++c) {
        const std::string value = std::to_string(r * kColumns + c);
        rows += c ? "," : "";
        rows += (r + c) % 2 ? value
                            : R"({"value":)" + value + R"(,"font":{"bold":true},"fill":{"color":"#FFCC00"},)" +
                                  R"("borders":{"top":{"lineStyle":1},"left":{"lineStyle":1,"weight":-4138}}})";
      }
      rows += "]";
    }
    return R"({"sheets": [{"name": "Bench", "blocks": [{"at": "A1", "rows": [)" + rows + "]}]}]}";
  }();
  RunImports(state, book);
}
BENCHMARK(BM_CheckerboardCells)->Unit(benchmark::kMillisecond)->Iterations(3);

// 500 shapes on a sheet of one cell: rectangles with a line of text, ovals, lines with
// arrowheads, elbow connectors and block arrows, in turn. Calls and time are counted per shape.
void BM_Shapes(benchmark::State& state) {
  constexpr int kShapes = 500;
  static const std::string book = [] {
    const char* kinds[] = {
        R"("type":1,"autoShapeType":1,"text":"Pump P-201")",
        R"("type":1,"autoShapeType":9)",
        R"("type":9,"line":{"begin":{"style":2},"end":{"style":3}})",
        R"("type":1,"connector":true,"connectorType":2,"adjustments":[0.5])",
        R"("type":1,"autoShapeType":33,"adjustments":[0.5,0.35])",
    };
    std::string shapes;
    for (int i = 0; i < kShapes; ++i) {
      shapes += (i ? ",{" : "{") + std::string(kinds[i % 5]) + R"(,"left":)" + std::to_string(10 * (i % 40)) +
                R"(,"top":)" + std::to_string(12 * (i / 40)) + R"(,"width":8,"height":10})";
    }
    return R"({"sheets": [{"name": "Bench", "cells": {"A1": 1}, "shapes": [)" + shapes + "]}]}";
  }();
  RunImports(state, book, kShapes, "shape");
}
BENCHMARK(BM_Shapes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
