#pragma once
#include "excel/excel_object.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// Excel's Window object: only its zoom is used.
class Window : public ExcelObjectOf<kIidWindow> {
 public:
  using ExcelObjectOf::ExcelObjectOf;
  // Percent, 100 normal. Excel answers a Variant; it is read as a number.
  double Zoom() const;
  void SetZoom(const Variant& percent) const;
};

}  // namespace vk::excel
