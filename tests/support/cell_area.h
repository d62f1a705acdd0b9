#pragma once
#include <cstdint>

namespace vk::fake {

// Excel's sheet limits (xlsx grid).
inline constexpr int32_t kMaxRow = 1048576;
inline constexpr int32_t kMaxColumn = 16384;

// One rectangular area of a sheet, 1-based and inclusive, as Excel numbers rows and columns.
struct CellArea {
  int32_t row1 = 1;
  int32_t column1 = 1;
  int32_t row2 = 1;
  int32_t column2 = 1;

  int32_t Rows() const noexcept { return row2 - row1 + 1; }
  int32_t Columns() const noexcept { return column2 - column1 + 1; }
  int64_t Cells() const noexcept { return int64_t{Rows()} * Columns(); }
  bool Contains(int32_t row, int32_t column) const noexcept {
    return row >= row1 && row <= row2 && column >= column1 && column <= column2;
  }
  bool WholeColumns() const noexcept { return row1 == 1 && row2 == kMaxRow; }
  bool WholeRows() const noexcept { return column1 == 1 && column2 == kMaxColumn; }

  static CellArea Cell(int32_t row, int32_t column) { return {row, column, row, column}; }
  static CellArea Sheet() { return {1, 1, kMaxRow, kMaxColumn}; }
  // The smallest area holding both.
  static CellArea Span(const CellArea& a, const CellArea& b);

  friend bool operator==(const CellArea&, const CellArea&) = default;
};

}  // namespace vk::fake
