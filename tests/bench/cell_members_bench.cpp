// Time of the stand-in's per-cell members (what the table pass asks of every cell) on sheets of
// 100 and of 100,000 cells: the two must match, or importing a large real workbook takes time
// that grows with the square of its size. Each sheet has formulas, custom row heights, hidden
// rows and merged areas in proportion to its cells, as real workbooks do.
#include <benchmark/benchmark.h>

#include <string>

#include "fake_excel.h"
#include "utf_text.h"

namespace {

constexpr int kColumns = 10;

std::shared_ptr<vk::fake::FakeExcel> Sheet(int cells) {
  const int rows = cells / kColumns;
  vk::fake::FakeBook book;
  vk::fake::FakeSheet& sheet = book.AddSheet(u"Bench");
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= kColumns; ++c) {
      sheet.SetValue(r, c, vk::Variant::R8(r * 0.37 + c));
      if (c == 3) sheet.Cell(r, c).format.formula = u"=A" + vk::fake::Utf16(std::to_string(r)) + u"*2";
    }
    if (r % 7 == 0) sheet.SetRowHeight(r, 21);
    if (r % 50 == 0) sheet.HideRow(r);
    if (r % 20 == 0) sheet.mergedAreas.push_back({r, 8, r + 1, 9});
  }
  return vk::fake::FakeExcel::Create(std::move(book));
}

// A cell near the end of the sheet, read member by member as the table pass reads it.
void BM_CellMembers(benchmark::State& state) {
  const int cells = static_cast<int>(state.range(0));
  const auto excel = Sheet(cells);
  excel->SetRecording(false);
  const vk::ObjectPtr sheet = excel->Application()->Get(u"ActiveSheet").ObjectValue();
  const std::u16string address = u"C" + vk::fake::Utf16(std::to_string(cells / kColumns - 3));
  const char16_t* members[] = {u"Left", u"Top", u"Width", u"Height", u"Text", u"HasFormula", u"Formula",
                               u"NumberFormat", u"MergeArea", u"HorizontalAlignment", u"WrapText"};
  for (auto _ : state) {
    const vk::ObjectPtr cell = sheet->Get(u"Range", {vk::Variant::String(address)}).ObjectValue();
    for (const char16_t* member : members) benchmark::DoNotOptimize(cell->Get(member));
    const vk::ObjectPtr font = cell->Get(u"Font").ObjectValue();
    benchmark::DoNotOptimize(font->Get(u"Name"));
    benchmark::DoNotOptimize(cell->Get(u"Interior").ObjectValue()->Get(u"Color"));
  }
  state.counters["cells_on_sheet"] = cells;
}
BENCHMARK(BM_CellMembers)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
