#pragma once
#include "excel/excel_object.h"
#include "excel/text_frame.h"
#include "excel/text_frame2.h"

namespace vk::excel {

// Excel's Shape object: a drawing object of a worksheet, or a member of a group. Geometry,
// rotation and transparencies come back as Excel gives them (single-precision numbers).
class Shape : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  // Nothing, or a failed call, for shapes without a text frame (V:excel.shape.textframe).
  excel::TextFrame TextFrame() const;
  excel::TextFrame2 TextFrame2() const;
};

}  // namespace vk::excel
