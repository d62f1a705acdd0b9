#pragma once
#include <cstdint>
#include <string>

#include "excel/excel_object.h"

namespace vk::excel {

// Excel's Workbook object.
class Workbook : public ExcelObjectOf<kIidWorkbook> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  std::u16string Name() const;
  std::u16string Path() const;
  std::u16string FullName() const;
  // The RGB colour of a palette entry, 1 to 56.
  int32_t Colors(int32_t index) const;
};

}  // namespace vk::excel
