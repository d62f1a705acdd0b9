#include "fake_format_conditions.h"

#include <algorithm>

#include "fake_borders.h"
#include "fake_excel.h"
#include "fake_font.h"
#include "fake_interior.h"
#include "fake_formula_shift.h"
#include "fake_range.h"
#include "fake_sheet.h"

namespace vk::fake {
namespace {

constexpr Guid kIidFormatConditions{0x00024424, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidFormatCondition{0x00024425, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidColorScale{0x00024493, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidDatabar{0x00024496, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidIconSetCondition{0x00024497, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

constexpr int32_t kXlBetween = 1;
constexpr int32_t kXlNotBetween = 2;

bool Overlaps(const CellArea& a, const CellArea& b) {
  return a.row1 <= b.row2 && b.row1 <= a.row2 && a.column1 <= b.column2 && b.column1 <= a.column2;
}

std::u16string VisualTypeName(int32_t type) {
  return type == kXlColorScale ? u"ColorScale" : type == kXlDatabar ? u"Databar" : u"IconSetCondition";
}

const Guid& VisualIid(int32_t type) {
  return type == kXlColorScale ? kIidColorScale : type == kXlDatabar ? kIidDatabar : kIidIconSetCondition;
}

// A rule's fill as its Interior answers: a colour given one way reads the other way too (the
// nearest palette entry, or the entry's colour), and a colour without a pattern reads solid, as
// a cell's fill does; a rule without a fill reads Null throughout (ck: neither is documented).
FakeFill ConditionFill(const FakeFill& fill) {
  if (!fill.color && !fill.colorIndex) return fill;
  FakeFill out = fill;
  if (!out.colorIndex) out.colorIndex = NearestPaletteIndex(*out.color);
  if (!out.color && *out.colorIndex > 0) out.color = DefaultPalette()[static_cast<size_t>(*out.colorIndex - 1)];
  if (!out.pattern) out.pattern = 1;
  return out;
}

Variant AppliesToRange(const std::shared_ptr<FakeExcel>& excel, FakeSheet* sheet, const FakeConditionRule& rule) {
  return Variant::Object(std::make_shared<FakeRange>(excel, sheet, rule.appliesTo));
}

}  // namespace

FakeFormatConditions::FakeFormatConditions(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet,
                                           const std::vector<CellArea>& areas)
    : FakeObjectOf(std::move(excel), u"FormatConditions", kIidFormatConditions), sheet_(sheet) {
  for (size_t i = 0; i < sheet->conditions.size(); ++i) {
    const auto& covered = sheet->conditions[i].appliesTo;
    const bool applies = std::any_of(areas.begin(), areas.end(), [&](const CellArea& area) {
      return std::any_of(covered.begin(), covered.end(), [&](const CellArea& c) { return Overlaps(area, c); });
    });
    if (applies) rules_.push_back(i);
  }
}

std::span<const FakeFormatConditions::Member> FakeFormatConditions::Members() {
  using F = FakeFormatConditions;
  static const Member members[] = {
      {u"Count", InvokeKind::PropertyGet, 0, 0, &F::Count},
      {u"Item", InvokeKind::Method, 1, 1, &F::Item},
  };
  return members;
}

Variant FakeFormatConditions::Count(const FakeArgs&) { return Variant::I4(static_cast<int32_t>(rules_.size())); }

// Item(Index) answers with the rule's own object: a FormatCondition, or a ColorScale, Databar
// or IconSetCondition (V:excel.formatconditions.item). An index outside 1..Count is error 1004
// (ck).
Variant FakeFormatConditions::Item(const FakeArgs& args) {
  const int32_t index = args[0].ToInt32();
  if (index < 1 || static_cast<size_t>(index) > rules_.size()) Raise();
  const size_t rule = rules_[static_cast<size_t>(index) - 1];
  if (sheet_->conditions[rule].IsFormatCondition()) {
    return Variant::Object(std::make_shared<FakeFormatCondition>(ExcelPtr(), sheet_, rule));
  }
  return Variant::Object(std::make_shared<FakeVisualCondition>(ExcelPtr(), sheet_, rule));
}

FakeFormatCondition::FakeFormatCondition(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet, size_t rule)
    : FakeObjectOf(std::move(excel), u"FormatCondition", kIidFormatCondition), sheet_(sheet), rule_(rule) {}

std::span<const FakeFormatCondition::Member> FakeFormatCondition::Members() {
  using F = FakeFormatCondition;
  static const Member members[] = {
      {u"Type", InvokeKind::PropertyGet, 0, 0, &F::Type},
      {u"Operator", InvokeKind::PropertyGet, 0, 0, &F::Operator},
      {u"Formula1", InvokeKind::PropertyGet, 0, 0, &F::Formula1},
      {u"Formula2", InvokeKind::PropertyGet, 0, 0, &F::Formula2},
      {u"AppliesTo", InvokeKind::PropertyGet, 0, 0, &F::AppliesTo},
      {u"StopIfTrue", InvokeKind::PropertyGet, 0, 0, &F::StopIfTrue},
      {u"Priority", InvokeKind::PropertyGet, 0, 0, &F::Priority},
      {u"Interior", InvokeKind::PropertyGet, 0, 0, &F::Interior},
      {u"Font", InvokeKind::PropertyGet, 0, 0, &F::Font},
      {u"Borders", InvokeKind::PropertyGet, 0, 0, &F::Borders},
  };
  return members;
}

const FakeConditionRule& FakeFormatCondition::Rule() const { return sheet_->conditions[rule_]; }

// Formula1 and Formula2 come back relative to the active cell (excel-object-model.md,
// FormatCondition.Formula1): the stored formula moved by the distance from the rule's anchor to
// the cell active at the time of the read.
std::u16string FakeFormatCondition::AsRead(const std::u16string& formula) const {
  const FakeBook& book = Excel().Book();
  const CellArea& anchor = Rule().appliesTo.front();
  return ShiftFormula(formula, book.activeRow - anchor.row1, book.activeColumn - anchor.column1);
}

Variant FakeFormatCondition::Type(const FakeArgs&) { return Variant::I4(Rule().type); }

// Only cell-value rules have an operator; asking another rule raises (ck: not documented).
Variant FakeFormatCondition::Operator(const FakeArgs&) {
  if (Rule().type != kXlCellValue) Raise();
  return Variant::I4(Rule().op);
}

Variant FakeFormatCondition::Formula1(const FakeArgs&) { return Variant::String(AsRead(Rule().formula1)); }

// Only between and not-between rules have a second formula (V:excel.formatcondition.formula2);
// asking another rule raises (ck).
Variant FakeFormatCondition::Formula2(const FakeArgs&) {
  const FakeConditionRule& rule = Rule();
  if (rule.type != kXlCellValue || (rule.op != kXlBetween && rule.op != kXlNotBetween)) Raise();
  return Variant::String(AsRead(rule.formula2));
}

Variant FakeFormatCondition::AppliesTo(const FakeArgs&) { return AppliesToRange(ExcelPtr(), sheet_, Rule()); }
Variant FakeFormatCondition::StopIfTrue(const FakeArgs&) { return Variant::Bool(Rule().stopIfTrue); }
Variant FakeFormatCondition::Priority(const FakeArgs&) { return Variant::I4(static_cast<int32_t>(rule_ + 1)); }

// A rule's formats exist whether or not it sets them; what it does not set reads as Null, so
// that the cell's own value shows through (ck). Borders take only the four condition indices
// (V:excel.formatcondition).
Variant FakeFormatCondition::Interior(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeInterior>(ExcelPtr(), ConditionFill(Rule().fill)));
}
Variant FakeFormatCondition::Font(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeFont>(ExcelPtr(), std::vector<FakeFontFace>{Rule().font}));
}
Variant FakeFormatCondition::Borders(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeBorders>(
      ExcelPtr(), Rule().borders,
      std::vector<int32_t>{kXlConditionLeft, kXlConditionTop, kXlConditionRight, kXlConditionBottom}));
}

FakeVisualCondition::FakeVisualCondition(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet, size_t rule)
    : FakeObjectOf(std::move(excel), VisualTypeName(sheet->conditions[rule].type), VisualIid(sheet->conditions[rule].type)),
      sheet_(sheet),
      rule_(rule) {}

std::span<const FakeVisualCondition::Member> FakeVisualCondition::Members() {
  using F = FakeVisualCondition;
  static const Member members[] = {
      {u"Type", InvokeKind::PropertyGet, 0, 0, &F::Type},
      {u"AppliesTo", InvokeKind::PropertyGet, 0, 0, &F::AppliesTo},
      {u"StopIfTrue", InvokeKind::PropertyGet, 0, 0, &F::StopIfTrue},
      {u"Priority", InvokeKind::PropertyGet, 0, 0, &F::Priority},
  };
  return members;
}

// Type is always 3, 4 or 6 for these objects (V:excel.colorscale.type and the others).
Variant FakeVisualCondition::Type(const FakeArgs&) { return Variant::I4(sheet_->conditions[rule_].type); }
Variant FakeVisualCondition::AppliesTo(const FakeArgs&) {
  return AppliesToRange(ExcelPtr(), sheet_, sheet_->conditions[rule_]);
}
Variant FakeVisualCondition::StopIfTrue(const FakeArgs&) { return Variant::Bool(sheet_->conditions[rule_].stopIfTrue); }
Variant FakeVisualCondition::Priority(const FakeArgs&) { return Variant::I4(static_cast<int32_t>(rule_ + 1)); }

}  // namespace vk::fake
