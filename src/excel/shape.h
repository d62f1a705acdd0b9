#pragma once
#include "excel/excel_object.h"

namespace vk::excel {

// Excel's Shape object: a drawing object of a worksheet, or a member of a group. Geometry,
// rotation and transparencies come back as Excel gives them (single-precision numbers).
class Shape : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;
};

}  // namespace vk::excel
