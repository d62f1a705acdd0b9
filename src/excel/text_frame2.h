#pragma once
#include "excel/excel_object.h"
#include "excel/interface_ids.h"
#include "excel/text_range2.h"

namespace vk::excel {

// Office's TextFrame2 of a shape: the way to its text paragraph by paragraph.
class TextFrame2 : public ExcelObjectOf<kIidTextFrame2> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  TextRange2 TextRange() const;
};

}  // namespace vk::excel
