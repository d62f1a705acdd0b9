#pragma once
#include "excel/excel_object.h"
#include "excel/text_range2.h"

namespace vk::excel {

// Office's TextFrame2 of a shape: the way to its text paragraph by paragraph.
class TextFrame2 : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  TextRange2 TextRange() const;
};

}  // namespace vk::excel
