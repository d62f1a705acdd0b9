#pragma once
#include <cstdint>

#include "excel/excel_object.h"

namespace vk::excel {

// Excel's Border object: one line of a range or a format condition.
class Border : public ExcelObjectOf<kIidBorder> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  Variant LineStyle() const;
  Variant Weight() const;
  Variant Color() const;
};

// Excel's Borders collection.
class Borders : public ExcelObjectOf<kIidBorders> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  // XlBordersIndex: 7 to 10 for a range's edges, 5 and 6 its diagonals; a condition's edges
  // are -4131, -4160, -4152 and -4107. Nothing when Excel has no such line.
  Border Item(int32_t index) const;
};

}  // namespace vk::excel
