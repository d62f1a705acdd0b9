// Records -> drawing model -> DXF: a 200 x 50 table of bordered, filled cells with text, and 500
// shapes (rectangles, ovals and arrows with text). Reports time per record and the peak memory
// of the process (maximum resident set, kB). Not a test: run build/native/receiver/bench/vk_drawing_bench.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "drawing_builder.h"
#include "dxf_writer.h"
#include "link/cell_record.h"
#include "link/shape_record.h"

namespace {

constexpr int kRows = 200, kColumns = 50, kShapes = 500;

double PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss);
}

std::string OutPath() { return (std::filesystem::temp_directory_path() / "vk_drawing_bench.dxf").string(); }

void Table(benchmark::State& state) {
  auto cell = std::make_unique<vk::CellRecord>();
  for (auto _ : state) {
    vk::draw::DrawingBuilder builder(vk::draw::DrawingOptions{}, nullptr);
    builder.TableStart(kRows, kColumns);
    for (int r = 0; r < kRows; ++r) {
      for (int c = 0; c < kColumns; ++c) {
        std::memset(cell.get(), 0, sizeof(vk::CellRecord));
        cell->size = vk::kCellRecordSize;
        cell->left = 48.0 * c, cell->top = 15.0 * r, cell->width = cell->mergeWidth = 48;
        cell->height = cell->mergeHeight = 15, cell->fontSize = 11, cell->underline = vk::kXlNone;
        cell->fillPattern = (r % 2) ? 1 : vk::kXlNone, cell->fillColor = 0xF7EBDD;
        cell->leftEdge = cell->topEdge = cell->rightEdge = cell->bottomEdge = vk::EdgeStyle{1, 2, 0, 0, {}};
        vk::SetField(cell->fontName, u"Calibri");
        vk::SetField(cell->text, u"P-201 cooling water");
        builder.Record(cell.get(), sizeof(vk::CellRecord));
      }
    }
    benchmark::DoNotOptimize(vk::draw::WriteDxf(builder.End(1), OutPath()));
  }
  state.SetItemsProcessed(state.iterations() * kRows * kColumns);
  state.counters["peak_kB"] = PeakKilobytes();
}
BENCHMARK(Table)->Unit(benchmark::kMillisecond);

void Shapes(benchmark::State& state) {
  vk::ShapeRecord shape{};
  for (auto _ : state) {
    vk::draw::DrawingBuilder builder(vk::draw::DrawingOptions{}, nullptr);
    builder.TableStart(1, 1);
    for (int k = 0; k < kShapes; ++k) {
      std::memset(&shape, 0, sizeof shape);
      shape.size = vk::kShapeRecordSize;
      shape.left = 30.0 * (k % 25), shape.top = 30.0 * (k / 25), shape.width = 25, shape.height = 20;
      shape.lineVisible = -1, shape.fillVisible = -1, shape.fillColor = 0xF7EBDD, shape.lineWeight = 0.75;
      shape.shapeType = k % 3 == 2 ? 9 : 1, shape.autoShapeType = k % 3 == 1 ? 9 : 1;
      shape.endArrowheadStyle = k % 3 == 2 ? 2 : 1;
      vk::SetField(shape.text, u"Pump");
      builder.Record(&shape, sizeof shape);
    }
    benchmark::DoNotOptimize(vk::draw::WriteDxf(builder.End(1), OutPath()));
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
  state.counters["peak_kB"] = PeakKilobytes();
}
BENCHMARK(Shapes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
