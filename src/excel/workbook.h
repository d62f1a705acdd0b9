#pragma once
#include <string>

#include "excel/excel_object.h"

namespace vk::excel {

// Excel's Workbook object.
class Workbook : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  std::u16string Name() const;
  std::u16string Path() const;
  std::u16string FullName() const;
};

}  // namespace vk::excel
