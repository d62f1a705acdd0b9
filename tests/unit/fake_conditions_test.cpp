// The stand-in Excel's conditional formats, active cell and Evaluate must answer as Excel does:
// the import's conditions are only proven as far as these are right.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "automation/com_error.h"
#include "call_result.h"
#include "fake_excel.h"
#include "fake_formula_shift.h"

namespace vk::fake {
namespace {

using test::ErrorOf;
using test::Obj;

constexpr Guid kIidFormatCondition{0x00024425, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// Values 3 and 12 and a text in A1:A3, a blank A4, TRUE in B1, #DIV/0! in B2, and rules: an
// expression on A1:A5 (priority 1), a between rule on A1:B3 (2), a colour scale on A1:A9 (3),
// a no-blanks rule on C1 (4).
constexpr char kBook[] = R"json({
  "selection": "A1:B3", "activeCell": "B2",
  "sheets": [
    {"name": "Data",
     "cells": {"A1": 3, "A2": 12, "A3": "Pump", "B1": true, "B2": {"error": "#DIV/0!"}, "C5": 7},
     "conditionalFormats": [
       {"appliesTo": "A1:A5", "type": "expression", "formula1": "=AND(B1>0,$A$1<A1)", "stopIfTrue": true},
       {"appliesTo": "A1:B3", "type": "cellValue", "operator": "between", "formula1": "=1", "formula2": "=C5"},
       {"appliesTo": "A1:A9", "type": "colorScale"},
       {"appliesTo": "C1", "type": "noBlanks", "formula1": "=LEN(TRIM(C1))>0"}
     ]},
    {"name": "Other", "cells": {"A1": 40}}
  ]
})json";

struct Session {
  std::shared_ptr<FakeExcel> excel = FakeExcel::FromJson(kBook);
  ObjectPtr app = excel->Application();
  ObjectPtr sheet = Obj(app->Get(u"ActiveSheet"));

  ObjectPtr Range(const char16_t* reference) { return Obj(sheet->Get(u"Range", {Variant::String(reference)})); }
  std::u16string ActiveCell() { return Obj(app->Get(u"ActiveCell"))->Get(u"Address").ToString(); }
  std::u16string Selection() { return Obj(app->Get(u"Selection"))->Get(u"Address").ToString(); }
  ObjectPtr Condition(const char16_t* cell, int32_t index) {
    return Obj(Obj(Range(cell)->Get(u"FormatConditions"))->Call(u"Item", {Variant::I4(index)}));
  }
};

Variant Error(int32_t number) { return Variant::Error(static_cast<int32_t>(0x800A0000u + static_cast<uint32_t>(number))); }

TEST(FakeConditionsTest, EvaluateAnswersWithExcelsTypes) {
  Session s;
  const struct {
    const char16_t* formula;
    Variant expected;
  } cases[] = {
      {u"=1+2*3", Variant::R8(7)},
      {u"$A$1<$A$2", Variant::Bool(true)},
      {u"=A1>=3", Variant::Bool(true)},
      {u"=\"pump\"=A3", Variant::Bool(true)},             // text without regard to case
      {u"=A3>99", Variant::Bool(true)},                   // text sorts after numbers
      {u"=B1>A2", Variant::Bool(true)},                   // logical values after text
      {u"=A4=0", Variant::Bool(true)},                    // a blank is 0 beside a number
      {u"=A4=\"\"", Variant::Bool(true)},
      {u"=AND(A1>0,OR(FALSE,B1),NOT(A2<3))", Variant::Bool(true)},
      {u"=AND(A1:A4)", Variant::Bool(true)},              // text and blanks pass
      {u"=LEN(A3)&\"x\"", Variant::String(u"4x")},
      {u"=LEN(TRIM(\"  a  b \"))", Variant::R8(3)},
      {u"=ISBLANK(A4)", Variant::Bool(true)},
      {u"=ISBLANK(\"\")", Variant::Bool(false)},
      {u"=ISNUMBER(A1)", Variant::Bool(true)},
      {u"=ISNUMBER(A3)", Variant::Bool(false)},
      {u"=NOT(ISERROR(SEARCH(\"um\",A3)))", Variant::Bool(true)},
      {u"=MOD(-7,3)", Variant::R8(2)},
      {u"=ROW(C5)+COLUMN(C5)", Variant::R8(8)},
      {u"=IF(A1>5,\"big\",\"small\")", Variant::String(u"small")},
      {u"=Other!A1/A1", Variant::R8(40.0 / 3)},
      {u"=B2>0", Error(2007)},                            // errors pass through comparisons
      {u"=A1/0", Error(2007)},
      {u"=A3+1", Error(2015)},
      {u"=NOSUCH(1)", Error(2029)},
      {u"=Pumps>1", Error(2029)},
      {u"=(1+", Error(2015)},
      {u"=Nowhere!A1", Error(2023)},
      {u"={TRUE,FALSE}", Variant::Array({2}, {Variant::Bool(true), Variant::Bool(false)})},
      {u"=A1:A2>5", Variant::Array({2, 1}, {Variant::Bool(false), Variant::Bool(true)})},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(s.sheet->Call(u"Evaluate", {Variant::String(c.formula)}), c.expected) << Utf8(c.formula);
  }
  // A reference alone is the range itself.
  const Variant range = s.app->Call(u"Evaluate", {Variant::String(u"$A$1:$B$2")});
  EXPECT_EQ(Obj(range)->Get(u"Address").ToString(), u"$A$1:$B$2");
  // Application.Evaluate takes at most 255 characters.
  const std::u16string tooLong = u"=1" + std::u16string(254, u' ');
  EXPECT_EQ(s.app->Call(u"Evaluate", {Variant::String(tooLong)}), Error(2015));
}

TEST(FakeConditionsTest, FormulasReadRelativeToTheActiveCell) {
  Session s;
  const ObjectPtr expression = s.Condition(u"A3", 1);
  // B2 is active: one row and one column from the rule's anchor A1.
  EXPECT_EQ(s.ActiveCell(), u"$B$2");
  EXPECT_EQ(expression->Get(u"Formula1").ToString(), u"=AND(C2>0,$A$1<B2)");
  s.Range(u"A3")->Call(u"Activate");
  EXPECT_EQ(expression->Get(u"Formula1").ToString(), u"=AND(B3>0,$A$1<A3)");
  const ObjectPtr between = s.Condition(u"A3", 2);
  EXPECT_EQ(between->Get(u"Formula1").ToString(), u"=1");
  EXPECT_EQ(between->Get(u"Formula2").ToString(), u"=C7");
  // Above and left of the anchor the references wrap around the sheet.
  EXPECT_EQ(ShiftFormula(u"=B1+$B1+\"B1\"+LOG10(1)", -1, -2), u"=XFD1048576+$B1048576+\"B1\"+LOG10(1)");
}

TEST(FakeConditionsTest, ActivateMovesTheSelectionOnlyFromOutsideIt) {
  Session s;
  s.Range(u"A2")->Call(u"Activate");
  EXPECT_EQ(s.ActiveCell(), u"$A$2");
  EXPECT_EQ(s.Selection(), u"$A$1:$B$3");
  s.Range(u"D9")->Call(u"Activate");
  EXPECT_EQ(s.ActiveCell(), u"$D$9");
  EXPECT_EQ(s.Selection(), u"$D$9");
  s.Range(u"A1:B3")->Call(u"Select");
  EXPECT_EQ(s.Selection(), u"$A$1:$B$3");
  EXPECT_EQ(s.ActiveCell(), u"$A$1");
}

TEST(FakeConditionsTest, ACellsRulesComeInPriorityOrder) {
  Session s;
  const ObjectPtr conditions = Obj(s.Range(u"A2")->Get(u"FormatConditions"));
  ASSERT_EQ(conditions->Get(u"Count").ToInt32(), 3);
  const ObjectPtr expression = Obj(conditions->Call(u"Item", {Variant::I4(1)}));
  EXPECT_EQ(expression->Get(u"Type").ToInt32(), 2);
  EXPECT_TRUE(expression->Get(u"StopIfTrue").BoolValue());
  EXPECT_EQ(Obj(expression->Get(u"AppliesTo"))->Get(u"Address").ToString(), u"$A$1:$A$5");
  EXPECT_EQ(ErrorOf([&] { expression->Get(u"Operator"); }), kExcelError);
  EXPECT_NE(expression->QueryInterface(kIidFormatCondition), nullptr);

  const ObjectPtr between = Obj(conditions->Call(u"Item", {Variant::I4(2)}));
  EXPECT_EQ(between->Get(u"Type").ToInt32(), 1);
  EXPECT_EQ(between->Get(u"Operator").ToInt32(), 1);
  EXPECT_FALSE(between->Get(u"StopIfTrue").BoolValue());

  const ObjectPtr scale = Obj(conditions->Call(u"Item", {Variant::I4(3)}));
  EXPECT_EQ(scale->Get(u"Type").ToInt32(), 3);
  EXPECT_EQ(scale->Get(u"Priority").ToInt32(), 3);
  EXPECT_EQ(ErrorOf([&] { scale->QueryInterface(kIidFormatCondition); }), kENoInterface);
  EXPECT_EQ(ErrorOf([&] { scale->Get(u"Formula1"); }), kDispEUnknownName);
  EXPECT_EQ(ErrorOf([&] { conditions->Call(u"Item", {Variant::I4(4)}); }), kExcelError);

  EXPECT_EQ(Obj(s.Range(u"D1")->Get(u"FormatConditions"))->Get(u"Count").ToInt32(), 0);
  EXPECT_EQ(Obj(s.Range(u"C1")->Get(u"FormatConditions"))->Get(u"Count").ToInt32(), 1);
}

TEST(FakeConditionsTest, FixturesRefuseIncompleteRules) {
  const char* bad[] = {
      R"({"sheets": [{"name": "S", "conditionalFormats": [{"appliesTo": "A1", "type": "cellValue", "formula1": "=1"}]}]})",
      R"({"sheets": [{"name": "S", "conditionalFormats": [{"appliesTo": "A1", "type": "cellValue", "operator": "between", "formula1": "=1"}]}]})",
      R"({"sheets": [{"name": "S", "conditionalFormats": [{"appliesTo": "A1", "type": "expression"}]}]})",
      R"({"sheets": [{"name": "S", "conditionalFormats": [{"appliesTo": "A1", "type": "sparkle", "formula1": "=1"}]}]})",
      R"({"sheets": [{"name": "S", "conditionalFormats": [{"appliesTo": "A1", "type": 2, "formula1": "=1", "colour": 1}]}]})",
      R"({"selection": "A1:B2", "activeCell": "C3", "sheets": [{"name": "S"}]})",
  };
  for (const char* json : bad) EXPECT_THROW(FakeExcel::FromJson(json), std::runtime_error) << json;
}

}  // namespace
}  // namespace vk::fake
