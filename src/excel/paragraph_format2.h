#pragma once
#include <cstdint>

#include "excel/bullet_format2.h"
#include "excel/excel_object.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// Office's ParagraphFormat2: the list level and bullet of a text range's paragraphs.
class ParagraphFormat2 : public ExcelObjectOf<kIidParagraphFormat2> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  int32_t IndentLevel() const;
  BulletFormat2 Bullet() const;
};

}  // namespace vk::excel
