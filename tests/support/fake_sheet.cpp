#include "fake_sheet.h"

#include <algorithm>

namespace vk::fake {
namespace {

double Size(const std::map<int32_t, double>& sizes, const std::set<int32_t>& hidden,
            double standard, int32_t index) {
  if (hidden.count(index)) return 0.0;
  const auto it = sizes.find(index);
  return it == sizes.end() ? standard : it->second;
}

// Sum of the sizes before index without walking a million rows: standard sizes times the count,
// corrected by the few rows or columns that differ.
double Offset(const std::map<int32_t, double>& sizes, const std::set<int32_t>& hidden,
              double standard, int32_t index) {
  double total = standard * (index - 1);
  for (auto it = sizes.begin(); it != sizes.end() && it->first < index; ++it) {
    if (!hidden.count(it->first)) total += it->second - standard;
  }
  for (auto it = hidden.begin(); it != hidden.end() && *it < index; ++it) {
    total -= standard;
  }
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
  return Offset(columnWidths_, hiddenColumns_, standardWidth, column);
}

double FakeSheet::RowTop(int32_t row) const {
  return Offset(rowHeights_, hiddenRows_, standardHeight, row);
}

CellArea FakeSheet::MergeAreaOf(int32_t row, int32_t column) const {
  for (const CellArea& area : mergedAreas) {
    if (area.Contains(row, column)) return area;
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
