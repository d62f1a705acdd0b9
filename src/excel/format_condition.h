#pragma once
#include <cstdint>
#include <string>

#include "automation/guid.h"
#include "excel/borders.h"
#include "excel/excel_object.h"
#include "excel/font.h"
#include "excel/interior.h"
#include "excel/range.h"

namespace vk::excel {

// Excel's FormatCondition object: one rule with a formula and formats.
class FormatCondition : public ExcelObjectOf<kIidFormatCondition> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  // XlFormatConditionType.
  int32_t Type() const;
  // XlFormatConditionOperator of a cell-value rule.
  int32_t Operator() const;
  // Relative references come back relative to the cell active when they are read.
  std::u16string Formula1() const;
  std::u16string Formula2() const;
  Range AppliesTo() const;
  bool StopIfTrue() const;
  // Nothing when the rule has no such formats.
  excel::Interior Interior() const;
  excel::Borders Borders() const;
  excel::Font Font() const;
};

// Excel's FormatConditions collection of a range, Item(1) being the rule of highest priority.
class FormatConditions : public ExcelObjectOf<kIidFormatConditions> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  int32_t Count() const;
  // The rule's own object, whatever its kind.
  ObjectPtr Item(int32_t index) const;
};

}  // namespace vk::excel
