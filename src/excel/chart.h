#pragma once
#include <string>

#include "excel/excel_object.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// Excel's Chart object, of a chart shape.
class Chart : public ExcelObjectOf<kIidChart> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  // Writes the chart as an image file with the graphic filter named (such as "BMP"); Excel's
  // answer, True when the file was written. Interactive is left out: the filter's defaults,
  // no dialog.
  Variant Export(const std::u16string& fileName, const std::u16string& filterName) const;
};

}  // namespace vk::excel
