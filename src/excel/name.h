#pragma once
#include <string>

#include "excel/excel_object.h"

namespace vk::excel {

// Excel's Name object: a defined name. (Its Name property is NameText here: a member may not
// share its class's name.)
class Name : public ExcelObjectOf<kIidName> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  std::u16string NameText() const;
};

}  // namespace vk::excel
