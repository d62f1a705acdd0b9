#pragma once
#include <string>

#include "excel/excel_object.h"
#include "excel/page_setup.h"
#include "excel/range.h"
#include "excel/shape.h"

namespace vk::excel {

// Excel's Worksheet object. (Return types are qualified: the members Range and PageSetup hide
// the class names inside this class.)
class Worksheet : public ExcelObjectOf<kIidWorksheet> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  excel::PageSetup PageSetup() const;
  // Range(Cell1[, Cell2]): a reference text or defined name, or two corners (texts or ranges).
  excel::Range Range(const Variant& cell1, const Variant& cell2 = Variant::Missing()) const;
  excel::Range UsedRange() const;
  excel::Range Cells() const;
  std::u16string Name() const;
  excel::Shapes Shapes() const;
  // A formula worked out with this sheet's cells; see Application::Evaluate.
  Variant Evaluate(const std::u16string& formula) const;
};

}  // namespace vk::excel
