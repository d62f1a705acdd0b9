#pragma once
#include <cstdint>
#include <string>

#include "excel/excel_object.h"
#include "excel/font2.h"
#include "excel/interface_ids.h"
#include "excel/paragraph_format2.h"

namespace vk::excel {

// Office's TextRange2: a stretch of a shape's text, here taken paragraph by paragraph.
class TextRange2 : public ExcelObjectOf<kIidTextRange2> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  // -1 is the type library's default for both (O:textrange2.paragraphs): both -1 give every
  // paragraph, a Start with Length -1 one paragraph.
  TextRange2 Paragraphs(int32_t start = -1, int32_t length = -1) const;
  int32_t Count() const;
  // Office ends each paragraph's text but the last with its paragraph mark.
  std::u16string Text() const;
  // Qualified: the members hide the class names inside this class.
  excel::Font2 Font() const;
  excel::ParagraphFormat2 ParagraphFormat() const;
};

}  // namespace vk::excel
