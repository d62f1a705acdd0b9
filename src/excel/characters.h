#pragma once
#include <cstdint>
#include <string>

#include "excel/excel_object.h"
#include "excel/font.h"

namespace vk::excel {

// Excel's Characters object: a stretch of a cell's text.
class Characters : public ExcelObjectOf<kIidCharacters> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  int32_t Count() const;
  // Qualified: the member Font hides the class name inside this class.
  excel::Font Font() const;
  std::u16string Text() const;
};

}  // namespace vk::excel
