#pragma once
#include "excel/excel_object.h"

namespace vk::excel {

// Excel's Interior object (the fill) of a range or a format condition; values as Excel
// answers them.
class Interior : public ExcelObjectOf<kIidInterior> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  Variant ColorIndex() const;
  Variant Color() const;
  Variant Pattern() const;
  Variant PatternColorIndex() const;
};

}  // namespace vk::excel
