#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "cell_area.h"
#include "fake_format.h"

namespace vk::fake {

// XlFormatConditionType (V:excel.xlformatconditiontype) of the rules the stand-in holds.
inline constexpr int32_t kXlCellValue = 1;
inline constexpr int32_t kXlExpression = 2;
inline constexpr int32_t kXlColorScale = 3;
inline constexpr int32_t kXlDatabar = 4;
inline constexpr int32_t kXlIconSet = 6;
inline constexpr int32_t kXlTextString = 9;
inline constexpr int32_t kXlBlanksCondition = 10;
inline constexpr int32_t kXlNoBlanksCondition = 13;

// A condition's Borders.Item indices: xlLeft, xlTop, xlRight, xlBottom (V:excel.formatcondition).
inline constexpr int32_t kXlConditionLeft = -4131;
inline constexpr int32_t kXlConditionTop = -4160;
inline constexpr int32_t kXlConditionRight = -4152;
inline constexpr int32_t kXlConditionBottom = -4107;

// One conditional-format rule of a sheet. Formulas are kept as the Rules Manager shows them:
// relative to the top-left cell of the first area of appliesTo (ck: where Excel anchors a
// multi-area rule is not documented).
struct FakeConditionRule {
  int32_t type = kXlExpression;
  int32_t op = 0;  // XlFormatConditionOperator, cell-value rules only
  std::u16string formula1;
  std::u16string formula2;
  std::vector<CellArea> appliesTo;
  bool stopIfTrue = false;  // a rule made in Excel's dialog (V:excel.formatcondition.stopiftrue)
  // The formats it applies; what it leaves unset reads as Null (ck).
  FakeFontFace font;
  FakeFill fill;
  std::map<int32_t, FakeBorderLine> borders;  // by the condition indices above

  bool IsFormatCondition() const noexcept {
    return type != kXlColorScale && type != kXlDatabar && type != kXlIconSet;
  }
};

}  // namespace vk::fake
