#include "fake_sheet.h"

#include <algorithm>

namespace vk::fake {
namespace {

// Merged areas up to this size are indexed cell by cell; larger ones (whole rows) are few.
constexpr int64_t kIndexedMergeCells = 4096;

double Size(const std::map<int32_t, double>& sizes, const std::set<int32_t>& hidden,
            double standard, int32_t index) {
  if (hidden.count(index)) return 0.0;
  const auto it = sizes.find(index);
  return it == sizes.end() ? standard : it->second;
}

// Sum of the sizes before index without walking a million rows: standard sizes times the count,
// corrected by the running sum of the rows or columns that differ (built once per change).
template <class Offsets>
double OffsetOf(Offsets& cache, const std::map<int32_t, double>& sizes, const std::set<int32_t>& hidden,
                double standard, int32_t index) {
  if (cache.standard != standard) {
    std::map<int32_t, double> differences;
    for (const auto& [at, size] : sizes) differences[at] = size - standard;
    for (int32_t at : hidden) differences[at] = -standard;
    cache.sums.clear();
    double running = 0;
    for (const auto& [at, difference] : differences) cache.sums.emplace_back(at, running += difference);
    cache.standard = standard;
  }
  double total = standard * (index - 1);
  const auto after = std::lower_bound(cache.sums.begin(), cache.sums.end(), index,
                                      [](const auto& entry, int32_t i) { return entry.first < i; });
  if (after != cache.sums.begin()) total += std::prev(after)->second;
  return total;
}

}  // namespace

void FakeSheet::SetValue(int32_t row, int32_t column, Variant value) {
  if (value.IsEmpty()) {
    cells_.erase({row, column});
    return;
  }
  Cell(row, column).value = std::move(value);
}

const FakeCell* FakeSheet::CellAt(int32_t row, int32_t column) const {
  const auto it = cells_.find({row, column});
  return it == cells_.end() ? nullptr : &it->second;
}

FakeCell& FakeSheet::Cell(int32_t row, int32_t column) { return cells_[{row, column}]; }

double FakeSheet::ColumnWidth(int32_t column) const {
  return Size(columnWidths_, hiddenColumns_, standardWidth, column);
}

double FakeSheet::RowHeight(int32_t row) const {
  return Size(rowHeights_, hiddenRows_, standardHeight, row);
}

double FakeSheet::ColumnLeft(int32_t column) const {
  return OffsetOf(columnOffsets_, columnWidths_, hiddenColumns_, standardWidth, column);
}

double FakeSheet::RowTop(int32_t row) const {
  return OffsetOf(rowOffsets_, rowHeights_, hiddenRows_, standardHeight, row);
}

// Areas are only ever added to mergedAreas, so its size tells when the index is out of date.
CellArea FakeSheet::MergeAreaOf(int32_t row, int32_t column) const {
  if (mergeIndexed_ != mergedAreas.size()) {
    mergeIndex_.clear();
    for (size_t i = 0; i < mergedAreas.size(); ++i) {
      const CellArea& area = mergedAreas[i];
      if (area.Cells() > kIndexedMergeCells) continue;  // looked through one by one below
      for (int32_t r = area.row1; r <= area.row2; ++r) {
        for (int32_t c = area.column1; c <= area.column2; ++c) mergeIndex_.emplace(std::pair{r, c}, i);
      }
    }
    mergeIndexed_ = mergedAreas.size();
  }
  const auto it = mergeIndex_.find({row, column});
  if (it != mergeIndex_.end()) return mergedAreas[it->second];
  for (const CellArea& area : mergedAreas) {
    if (area.Cells() > kIndexedMergeCells && area.Contains(row, column)) return area;
  }
  return CellArea::Cell(row, column);
}

CellArea FakeSheet::UsedArea() const {
  std::optional<CellArea> used = formattedArea;
  for (const auto& [key, cell] : cells_) {
    if (cell.IsEmpty()) continue;
    const CellArea one = CellArea::Cell(key.first, key.second);
    used = used ? CellArea::Span(*used, one) : one;
  }
  return used.value_or(CellArea::Cell(1, 1));
}

}  // namespace vk::fake
