#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "cell_area.h"
#include "fake_condition_rule.h"
#include "fake_object.h"

namespace vk::fake {

class FakeSheet;

// Excel's FormatConditions collection of a range: the sheet's rules that apply to any of its
// cells, in priority order (Item(1) is priority 1, V:excel.formatcondition).
class FakeFormatConditions final : public FakeObjectOf<FakeFormatConditions> {
 public:
  FakeFormatConditions(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet, const std::vector<CellArea>& areas);
  static std::span<const Member> Members();

 private:
  Variant Count(const FakeArgs&);
  Variant Item(const FakeArgs&);

  FakeSheet* sheet_;
  std::vector<size_t> rules_;  // indices into the sheet's rules
};

// A FormatCondition: cell-value, expression, text, blanks and no-blanks rules.
class FakeFormatCondition final : public FakeObjectOf<FakeFormatCondition> {
 public:
  FakeFormatCondition(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet, size_t rule);
  static std::span<const Member> Members();

 private:
  Variant Type(const FakeArgs&);
  Variant Operator(const FakeArgs&);
  Variant Formula1(const FakeArgs&);
  Variant Formula2(const FakeArgs&);
  Variant AppliesTo(const FakeArgs&);
  Variant StopIfTrue(const FakeArgs&);
  Variant Priority(const FakeArgs&);
  Variant Interior(const FakeArgs&);
  Variant Font(const FakeArgs&);
  Variant Borders(const FakeArgs&);

  const FakeConditionRule& Rule() const;
  // A stored formula as read now: moved from the rule's anchor to the active cell.
  std::u16string AsRead(const std::u16string& formula) const;

  FakeSheet* sheet_;
  size_t rule_;
};

// A colour scale, data bar or icon set: its own interface (ColorScale, Databar,
// IconSetCondition), which refuses the FormatCondition one and has no formats or formulas
// (V:excel.colorscale, V:excel.databar, V:excel.iconsetcondition; the refusal is ck).
class FakeVisualCondition final : public FakeObjectOf<FakeVisualCondition> {
 public:
  FakeVisualCondition(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet, size_t rule);
  static std::span<const Member> Members();

 private:
  Variant Type(const FakeArgs&);
  Variant AppliesTo(const FakeArgs&);
  Variant StopIfTrue(const FakeArgs&);
  Variant Priority(const FakeArgs&);

  FakeSheet* sheet_;
  size_t rule_;
};

}  // namespace vk::fake
