#pragma once
#include "excel/excel_object.h"

namespace vk::excel {

// Excel's Font object, of a range, of some characters or of a format condition. Every
// property comes back as Excel answers it: Null where the characters differ (or a condition
// leaves it unset), so the caller decides what counts as defined.
class Font : public ExcelObjectOf<kIidFont> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  Variant Bold() const;
  Variant Italic() const;
  Variant Underline() const;
  Variant Strikethrough() const;
  Variant Color() const;
  Variant Size() const;
  Variant Superscript() const;
  Variant Subscript() const;
  Variant Name() const;
};

}  // namespace vk::excel
