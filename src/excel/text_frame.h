#pragma once
#include <cstdint>

#include "excel/characters.h"
#include "excel/excel_object.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// Excel's TextFrame of a shape: its text as Characters and how the text sits in the frame.
class TextFrame : public ExcelObjectOf<kIidTextFrame> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  // A method, not a collection (V:excel.textframe.characters): Start omitted means from the
  // first character, Length omitted means to the end.
  excel::Characters Characters(const Variant& start = Variant::Missing(),
                               const Variant& length = Variant::Missing()) const;
  int32_t HorizontalAlignment() const;  // XlHAlign
  int32_t VerticalAlignment() const;    // XlVAlign
  int32_t Orientation() const;          // MsoTextOrientation
};

}  // namespace vk::excel
