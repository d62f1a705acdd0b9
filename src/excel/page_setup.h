#pragma once
#include <string>

#include "excel/excel_object.h"

namespace vk::excel {

// Excel's PageSetup object of a worksheet.
class PageSetup : public ExcelObjectOf<kIidPageSetup> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  // A1 text of the print area; empty when the sheet has none.
  std::u16string PrintArea() const;
  bool PrintGridlines() const;
};

}  // namespace vk::excel
