#pragma once
#include <cstdint>

#include "excel/excel_object.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// Office's ColorFormat: the colour of a line or a fill.
class ColorFormat : public ExcelObjectOf<kIidColorFormat> {
 public:
  using ExcelObjectOf::ExcelObjectOf;
  // In parentheses: Windows headers define RGB as a macro.
  int32_t (RGB)() const;  // red in the low byte
};

// Office's LineFormat: a line shape itself, or the outline of any other shape.
class LineFormat : public ExcelObjectOf<kIidLineFormat> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  int32_t BeginArrowheadStyle() const;  // MsoArrowheadStyle
  int32_t BeginArrowheadLength() const;
  int32_t BeginArrowheadWidth() const;
  int32_t EndArrowheadStyle() const;
  int32_t EndArrowheadLength() const;
  int32_t EndArrowheadWidth() const;
  int32_t DashStyle() const;  // MsoLineDashStyle
  int32_t Visible() const;    // MsoTriState
  double Transparency() const;
  double Weight() const;  // points
  ColorFormat ForeColor() const;
};

// Office's FillFormat: the inside of a shape.
class FillFormat : public ExcelObjectOf<kIidFillFormat> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  ColorFormat ForeColor() const;
  double Transparency() const;
  int32_t Visible() const;  // MsoTriState
};

}  // namespace vk::excel
