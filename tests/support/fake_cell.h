#pragma once
#include "automation/variant.h"
#include "fake_format.h"

namespace vk::fake {

// One cell of a stand-in sheet. Formats, fonts, borders and conditional formats join here as
// the import reads them.
struct FakeCell {
  // As Range.Value gives it: VT_EMPTY, VT_R8, VT_BSTR, VT_BOOL, VT_DATE, VT_CY, or VT_ERROR with
  // scode 0x800A0000 + the cell error number (for example 0x800A07D7 for #DIV/0!).
  Variant value;
  // Font, rich text, fill, borders, alignment, formula and displayed text (fake_format.h).
  FakeCellFormat format;

  bool IsEmpty() const noexcept { return value.IsEmpty(); }
};

}  // namespace vk::fake
