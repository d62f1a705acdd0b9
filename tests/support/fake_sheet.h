#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "cell_area.h"
#include "fake_cell.h"
#include "fake_condition_rule.h"
#include "fake_shape_data.h"

namespace vk::fake {

// The contents and geometry of one stand-in worksheet. Cells are kept sparse (a sheet has
// 2^34 of them); sizes are in points, as Excel reports them.
class FakeSheet {
 public:
  explicit FakeSheet(std::u16string sheetName) : name(std::move(sheetName)) {}

  std::u16string name;
  // A default column of the standard font is 64 pixels, 48 points; a default row 20 pixels,
  // 15 points (ck: Calibri 11 at 96 dpi).
  double standardWidth = 48.0;
  double standardHeight = 15.0;
  std::u16string printArea;  // absolute A1 text as PageSetup.PrintArea gives it; empty when none
  // Cells that carry formatting but no value still count for UsedRange.
  std::optional<CellArea> formattedArea;
  // Conditional-format rules in priority order (the first is priority 1).
  std::vector<FakeConditionRule> conditions;
  // Merged areas, each at least two cells; PageSetup.PrintGridlines.
  std::vector<CellArea> mergedAreas;
  bool printGridlines = false;
  // Worksheet.Visible: xlSheetVisible -1, xlSheetHidden 0, xlSheetVeryHidden 2
  // (V:excel.xlsheetvisibility). A sheet that is not visible cannot be activated.
  int32_t visible = -1;
  // Worksheet.Shapes in collection order.
  std::vector<FakeShapeData> shapes;

  void SetValue(int32_t row, int32_t column, Variant value);
  const FakeCell* CellAt(int32_t row, int32_t column) const;  // null for a blank cell
  FakeCell& Cell(int32_t row, int32_t column);                // creates the cell
  // Non-blank cells in row-major order.
  const std::map<std::pair<int32_t, int32_t>, FakeCell>& Cells() const noexcept { return cells_; }
  // fn(row, column, cell) for each held cell inside area, in row-major order, in time that
  // grows with the area's rows or its cells, never with the rest of the sheet: a member of one
  // cell costs the same on a sheet of 100,000 cells as on a small one.
  template <class Fn>
  void ForEachCellIn(const CellArea& area, Fn&& fn) const {
    const auto inColumns = [&](int32_t column) { return column >= area.column1 && column <= area.column2; };
    if (static_cast<size_t>(area.row2 - area.row1) < cells_.size()) {
      for (int32_t row = area.row1; row <= area.row2; ++row) {
        for (auto it = cells_.lower_bound({row, area.column1});
             it != cells_.end() && it->first.first == row && it->first.second <= area.column2; ++it) {
          fn(row, it->first.second, it->second);
        }
      }
      return;
    }
    const std::pair<int32_t, int32_t> last{area.row2, area.column2};
    for (auto it = cells_.lower_bound({area.row1, area.column1}); it != cells_.end() && it->first <= last; ++it) {
      if (inColumns(it->first.second)) fn(it->first.first, it->first.second, it->second);
    }
  }

  void SetColumnWidth(int32_t column, double points) { columnWidths_[column] = points; columnOffsets_.clear(); }
  void SetRowHeight(int32_t row, double points) { rowHeights_[row] = points; rowOffsets_.clear(); }
  void HideColumn(int32_t column) { hiddenColumns_.insert(column); columnOffsets_.clear(); }
  void HideRow(int32_t row) { hiddenRows_.insert(row); rowOffsets_.clear(); }

  // Hidden columns and rows measure 0, as Range.Width and Range.Height report them.
  double ColumnWidth(int32_t column) const;
  double RowHeight(int32_t row) const;
  // Distance of the column's left edge from column A, of the row's top edge from row 1.
  double ColumnLeft(int32_t column) const;
  double RowTop(int32_t row) const;

  // The merged area holding the cell, or the cell itself (V:excel.range.mergearea).
  CellArea MergeAreaOf(int32_t row, int32_t column) const;

  // Values and formatted cells together; $A$1 for an empty sheet (ck: not documented).
  CellArea UsedArea() const;

 private:
  std::map<std::pair<int32_t, int32_t>, FakeCell> cells_;
  std::map<int32_t, double> columnWidths_;
  std::map<int32_t, double> rowHeights_;
  std::set<int32_t> hiddenColumns_;
  std::set<int32_t> hiddenRows_;
  // Running sums of the rows' (columns') differences from the standard size, built on first
  // use, so that a cell's Top or Left is one search rather than a walk over every row above it.
  struct Offsets {
    double standard = 0;
    std::vector<std::pair<int32_t, double>> sums;  // index, the differences up to and with it
    void clear() { sums.clear(); standard = -1; }
  };
  mutable Offsets rowOffsets_{-1, {}};
  mutable Offsets columnOffsets_{-1, {}};
  // The merged area of each merged cell, for as many areas as mergedAreas had when built.
  mutable std::map<std::pair<int32_t, int32_t>, size_t> mergeIndex_;
  mutable size_t mergeIndexed_ = 0;
};

}  // namespace vk::fake
