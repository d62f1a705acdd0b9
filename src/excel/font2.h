#pragma once
#include <cstdint>
#include <string>

#include "excel/excel_object.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// Office's Font2, of a text range or of a bullet.
class Font2 : public ExcelObjectOf<kIidFont2> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  int32_t Bold() const;            // MsoTriState: -1 true, 0 false, -2 mixed
  int32_t UnderlineStyle() const;  // MsoTextUnderlineType: 0 none
  std::u16string Name() const;
};

}  // namespace vk::excel
