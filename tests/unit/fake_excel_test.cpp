// The stand-in Excel must answer as Excel does, or every import test built on it proves nothing.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "automation/com_error.h"
#include "call_result.h"
#include "fake_excel.h"

namespace vk::fake {
namespace {

using test::ErrorOf;
using test::Obj;

const Variant kMissing = Variant::Missing();

struct Session {
  std::shared_ptr<FakeExcel> excel;
  ObjectPtr app;
  ObjectPtr sheet;

  explicit Session(std::shared_ptr<FakeExcel> e)
      : excel(std::move(e)), app(excel->Application()), sheet(Obj(app->Get(u"ActiveSheet"))) {}
  ObjectPtr Range(const char16_t* reference) { return Obj(sheet->Get(u"Range", {Variant::String(reference)})); }
  std::u16string Address(const ObjectPtr& range) { return range->Get(u"Address").ToString(); }
};

Session Sample() { return Session(FakeExcel::FromFixture("sample.json")); }

TEST(FakeExcelTest, AddressForms) {
  Session s = Sample();
  const ObjectPtr c3 = s.Range(u"C3");
  struct Case {
    const char16_t* reference;
    std::vector<Variant> args;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"B2:H40", {}, u"$B$2:$H$40"},
      {u"b2:h40", {kMissing, kMissing, Variant::I4(1)}, u"$B$2:$H$40"},
      {u"A1:C9,E1:F9", {kMissing, kMissing, Variant::I4(1)}, u"$A$1:$C$9,$E$1:$F$9"},
      {u"$H$40:B2", {}, u"$B$2:$H$40"},
      {u"C3", {Variant::Bool(false)}, u"$C3"},
      {u"C3", {Variant::Bool(true), Variant::Bool(false)}, u"C$3"},
      {u"C3:D4", {Variant::Bool(false), Variant::Bool(false)}, u"C3:D4"},
      {u"A:C", {}, u"$A:$C"},
      {u"3:5", {}, u"$3:$5"},
      {u"A1", {kMissing, kMissing, Variant::I4(-4150)}, u"R1C1"},
      {u"A1:C9", {kMissing, kMissing, Variant::I4(-4150)}, u"R1C1:R9C3"},
      {u"A1", {Variant::Bool(false), Variant::Bool(false), Variant::I4(-4150), kMissing, Variant::Object(c3)},
       u"R[-2]C[-2]"},
      {u"C5", {Variant::Bool(false), Variant::Bool(false), Variant::I4(-4150), kMissing, Variant::Object(c3)},
       u"R[2]C"},
      {u"A1", {kMissing, kMissing, kMissing, Variant::Bool(true)}, u"'[Pump schedule.xlsx]Pumps'!$A$1"},
  };
  for (const Case& c : cases) {
    const ObjectPtr range = s.Range(c.reference);
    const Variant result =
        range->Invoke(u"Address", InvokeKind::PropertyGet, std::span<const Variant>(c.args), 0);
    EXPECT_EQ(result.Type(), VarType::Bstr);
    EXPECT_EQ(result.StringValue(), c.expected) << "case " << (&c - cases);
  }
}

TEST(FakeExcelTest, SizeAndPositionOfRanges) {
  Session s = Sample();
  const ObjectPtr range = s.Range(u"B2:D4");
  EXPECT_EQ(range->Get(u"Count").ToInt32(), 9);
  EXPECT_EQ(Obj(range->Get(u"Rows"))->Get(u"Count").ToInt32(), 3);
  EXPECT_EQ(Obj(range->Get(u"Columns"))->Get(u"Count").ToInt32(), 3);
  EXPECT_EQ(range->Get(u"Row").ToInt32(), 2);
  EXPECT_EQ(range->Get(u"Column").ToInt32(), 2);
  // Item counts from the top-left cell and may leave the range (Excel's own examples).
  EXPECT_EQ(s.Address(Obj(range->Get(u"Item", {Variant::I4(3), Variant::I4(3)}))), u"$D$4");
  EXPECT_EQ(s.Address(Obj(range->Get(u"Item", {Variant::I4(4), Variant::String(u"c")}))), u"$D$5");
  EXPECT_EQ(s.Address(Obj(range->Get(u"Item", {Variant::I4(10)}))), u"$B$5");
  EXPECT_EQ(s.Address(Obj(Obj(range->Get(u"Columns"))->Get(u"Item", {Variant::I4(2)}))), u"$C$2:$C$4");
  // Rows, Columns and Count of a multi-area range: Rows and Columns see the first area only.
  const ObjectPtr areas = s.Range(u"A1:C9,E1:F9");
  EXPECT_EQ(areas->Get(u"Count").ToInt32(), 27 + 18);
  EXPECT_EQ(Obj(areas->Get(u"Columns"))->Get(u"Count").ToInt32(), 3);

  const ObjectPtr cells = Obj(s.sheet->Get(u"Cells"));
  EXPECT_EQ(Obj(cells->Get(u"Rows"))->Get(u"Count").ToInt32(), 1048576);
  EXPECT_EQ(Obj(cells->Get(u"Columns"))->Get(u"Count").ToInt32(), 16384);
  EXPECT_EQ(ErrorOf([&] { cells->Get(u"Count"); }), kDispEOverflow);
  // Range(Cell1, Cell2) with two ranges: the limited area the import builds.
  const Variant corner1 = cells->Get(u"Item", {Variant::I4(1), Variant::I4(1)});
  const Variant corner2 = cells->Get(u"Item", {Variant::I4(120), Variant::I4(30)});
  EXPECT_EQ(s.Address(Obj(s.sheet->Get(u"Range", {corner1, corner2}))), u"$A$1:$AD$120");
  EXPECT_EQ(s.Address(Obj(s.sheet->Get(u"Range", {Variant::String(u"PumpTable")}))), u"$A$3:$F$9");
}

TEST(FakeExcelTest, GeometryInPointsFromWidthsAndHeights) {
  Session s = Sample();  // A 54, B 132, C:E 60, F 48; rows 1: 24, 2: 7.5, 3: 30, others 15
  struct Case {
    const char16_t* reference;
    double left, top, width, height;
  };
  const Case cases[] = {
      {u"A1", 0, 0, 54, 24},
      {u"B3:C4", 54, 31.5, 192, 45},
      {u"G10", 54 + 132 + 180 + 48, 31.5 + 30 + 6 * 15, 48, 15},
      {u"A3:F9,H1", 0, 31.5, 414, 120},
  };
  for (const Case& c : cases) {
    const ObjectPtr range = s.Range(c.reference);
    EXPECT_EQ(range->Get(u"Left").Type(), VarType::R8);
    EXPECT_DOUBLE_EQ(range->Get(u"Left").ToDouble(), c.left);
    EXPECT_DOUBLE_EQ(range->Get(u"Top").ToDouble(), c.top);
    EXPECT_DOUBLE_EQ(range->Get(u"Width").ToDouble(), c.width);
    EXPECT_DOUBLE_EQ(range->Get(u"Height").ToDouble(), c.height);
  }
  FakeSheet& pumps = s.excel->Book().sheets[0];
  pumps.HideColumn(2);
  pumps.HideRow(2);
  EXPECT_DOUBLE_EQ(s.Range(u"B3")->Get(u"Width").ToDouble(), 0);
  EXPECT_DOUBLE_EQ(s.Range(u"C3")->Get(u"Left").ToDouble(), 54);
  EXPECT_DOUBLE_EQ(s.Range(u"C3")->Get(u"Top").ToDouble(), 24);
}

TEST(FakeExcelTest, FindLastCellByRowsAndByColumns) {
  FakeBook book;
  FakeSheet& sheet = book.AddSheet(u"Data");
  sheet.SetValue(2, 2, Variant::String(u"Flow"));
  sheet.SetValue(7, 3, Variant::R8(1.5));
  sheet.SetValue(7, 5, Variant::Bool(false));
  sheet.SetValue(4, 9, Variant::String(u"Head"));
  book.AddSheet(u"Empty");
  Session s(FakeExcel::Create(std::move(book)));
  const ObjectPtr cells = Obj(s.sheet->Get(u"Cells"));
  auto find = [&](const ObjectPtr& in, const char16_t* what, int32_t order, int32_t direction) {
    return in->Call(u"Find", {Variant::String(what), kMissing, kMissing, kMissing, Variant::I4(order),
                              Variant::I4(direction)});
  };
  struct Case {
    const char16_t* what;
    int32_t order, direction;
    const char16_t* expected;  // null: Nothing
  };
  const Case cases[] = {
      {u"*", 1, 2, u"$E$7"},   // last row, its last cell
      {u"*", 2, 2, u"$I$4"},   // last column
      {u"*", 1, 1, u"$B$2"},   // forward from A1
      {u"fLO", 1, 1, u"$B$2"}, // part of the contents, any case
      {u"pump", 1, 2, nullptr},
  };
  for (const Case& c : cases) {
    const Variant found = find(cells, c.what, c.order, c.direction);
    ASSERT_TRUE(found.IsObject());
    if (c.expected) {
      ASSERT_TRUE(found.ObjectValue());
      EXPECT_EQ(s.Address(found.ObjectValue()), c.expected);
    } else {
      EXPECT_FALSE(found.ObjectValue()) << "Nothing is VT_DISPATCH with a null pointer";
    }
  }
  // After a cell: the search starts past it and wraps.
  const Variant after = Variant::Object(s.Range(u"B2"));
  const Variant next = cells->Call(u"Find", {Variant::String(u"*"), after, kMissing, kMissing, Variant::I4(1)});
  EXPECT_EQ(s.Address(Obj(next)), u"$I$4");

  s.excel->Book().activeSheet = 1;
  Session blank(s.excel);
  const Variant none = find(Obj(blank.sheet->Get(u"Cells")), u"*", 1, 2);
  ASSERT_TRUE(none.IsObject());
  EXPECT_FALSE(none.ObjectValue());
}

TEST(FakeExcelTest, UsedRangeNeedNotStartAtA1) {
  FakeBook book;
  FakeSheet& sheet = book.AddSheet(u"Data");
  Session s(FakeExcel::Create(std::move(book)));
  auto used = [&] { return s.Address(Obj(s.sheet->Get(u"UsedRange"))); };
  EXPECT_EQ(used(), u"$A$1");
  sheet.SetValue(4, 3, Variant::R8(1));
  sheet.SetValue(9, 5, Variant::String(u"x"));
  EXPECT_EQ(used(), u"$C$4:$E$9");
  sheet.formattedArea = CellArea{2, 2, 3, 2};
  EXPECT_EQ(used(), u"$B$2:$E$9");
}

TEST(FakeExcelTest, RangeNamePresentAndAbsent) {
  Session s = Sample();
  const Variant name = s.Range(u"$A$3:$F$9")->Get(u"Name");
  ASSERT_TRUE(name.IsObject());
  EXPECT_EQ(Obj(name)->Get(u"Name").ToString(), u"PumpTable");
  EXPECT_EQ(Obj(name)->Get(u"RefersTo").ToString(), u"=Pumps!$A$3:$F$9");
  EXPECT_EQ(ErrorOf([&] { s.Range(u"A3:F8")->Get(u"Name"); }), kExcelError);
}

TEST(FakeExcelTest, SelectionKinds) {
  Session s = Sample();
  auto selection = [&] { return s.app->Get(u"Selection", {}, 1024); };
  ObjectPtr range = Obj(selection())->QueryInterface(kIidExcelRange);
  EXPECT_EQ(s.Address(range), u"$A$3:$F$9");

  s.excel->Book().Select(u"A1:C9,E1:F9");
  EXPECT_EQ(s.Address(Obj(selection())->QueryInterface(kIidExcelRange)), u"$A$1:$C$9,$E$1:$F$9");

  // A selected shape answers to IDispatch but refuses the Range interface.
  s.excel->Book().SelectShape(u"Rectangle 1");
  const ObjectPtr shape = Obj(selection());
  EXPECT_EQ(ErrorOf([&] { shape->QueryInterface(kIidExcelRange); }), kENoInterface);
  EXPECT_EQ(shape->QueryInterface(kIidDispatch), shape);

  s.excel->Book().selection.kind = FakeBook::Selection::Kind::Nothing;
  EXPECT_FALSE(Obj(selection()));
  s.excel->Book().open = false;
  EXPECT_FALSE(Obj(s.app->Get(u"ActiveSheet")));
  EXPECT_FALSE(Obj(s.app->Get(u"ActiveWorkbook")));
}

TEST(FakeExcelTest, MembersAnswerLikeExcelsDispatch) {
  Session s = Sample();
  const ObjectPtr range = s.Range(u"A1");
  EXPECT_EQ(range->Get(u"aDDress").ToString(), u"$A$1");
  EXPECT_EQ(s.excel->CallCount("Range.Address"), 1u);
  EXPECT_EQ(ErrorOf([&] { range->Get(u"NoSuchMember"); }), kDispEUnknownName);
  EXPECT_EQ(ErrorOf([&] { range->Put(u"Row", Variant::I4(3)); }), kDispEMemberNotFound);
  EXPECT_EQ(ErrorOf([&] { range->Get(u"Row", {Variant::I4(1)}); }), kDispEBadParamCount);
  EXPECT_EQ(ErrorOf([&] { s.sheet->Get(u"Range", {Variant::String(u"A1:")}); }), kExcelError);

  s.app->Put(u"ScreenUpdating", Variant::Bool(false));
  EXPECT_FALSE(s.app->Get(u"ScreenUpdating").ToBool());
  s.app->Put(u"ScreenUpdating", Variant::Bool(true));
  EXPECT_EQ(s.excel->screenUpdatingPuts, (std::vector<bool>{false, true}));
  EXPECT_EQ(s.app->Get(u"Version").ToString(), u"16.0");
}

TEST(FakeExcelTest, FaultsByCallIndexAndByMember) {
  Session s = Sample();
  s.excel->ClearCalls();
  s.excel->FailCallAt(2);
  EXPECT_NO_THROW(s.sheet->Get(u"Name"));
  try {
    s.sheet->Get(u"Name");
    FAIL() << "the second call must fail";
  } catch (const ComError& e) {
    EXPECT_EQ(e.Error(), kExcelError);
    EXPECT_EQ(e.ErrorMessage(), u"Unknown error 0x800A03EC");
  }
  EXPECT_NO_THROW(s.sheet->Get(u"Name"));
  EXPECT_EQ(s.excel->CallCount(), 3u);

  s.excel->ClearFaults();
  s.excel->FailMember("range.address", kExcelBusy);
  const ObjectPtr range = s.Range(u"A1");
  for (int i = 0; i < 2; ++i) EXPECT_EQ(ErrorOf([&] { range->Get(u"Address"); }), kExcelBusy);
  EXPECT_EQ(range->Get(u"Row").ToInt32(), 1);
  EXPECT_EQ(s.excel->CallCount("Range.Address"), 2u);
}

TEST(FakeExcelTest, ReleasedWhenTheLastObjectGoes) {
  std::weak_ptr<FakeExcel> alive;
  {
    Session s = Sample();
    alive = s.excel;
    const ObjectPtr cells = Obj(s.sheet->Get(u"Cells"));
    cells->Call(u"Find", {Variant::String(u"*"), Variant::Object(s.Range(u"A1"))});
    EXPECT_TRUE(s.excel->Calls().back().args[1].IsObject());
  }
  EXPECT_TRUE(alive.expired()) << "the call log must not own the objects passed to Excel";
}

TEST(FakeExcelTest, SampleFixtureLoads) {
  Session s = Sample();
  const ObjectPtr book = Obj(s.app->Get(u"ActiveWorkbook"));
  EXPECT_EQ(book->Get(u"Name").ToString(), u"Pump schedule.xlsx");
  EXPECT_EQ(book->Get(u"Path").ToString(), u"C:\\Projects\\Unit 200");
  EXPECT_EQ(book->Get(u"FullName").ToString(), u"C:\\Projects\\Unit 200\\Pump schedule.xlsx");
  EXPECT_EQ(s.sheet->Get(u"Name").ToString(), u"Pumps");
  EXPECT_EQ(Obj(s.sheet->Get(u"PageSetup"))->Get(u"PrintArea").ToString(), u"$A$1:$F$9");
  EXPECT_EQ(s.Address(Obj(s.sheet->Get(u"UsedRange"))), u"$A$1:$F$9");

  const Variant flow = s.Range(u"C4")->Get(u"Value");
  EXPECT_EQ(flow.Type(), VarType::R8);
  EXPECT_DOUBLE_EQ(flow.DoubleValue(), 420);
  EXPECT_EQ(s.Range(u"F5")->Get(u"Value"), Variant::Bool(false));
  EXPECT_EQ(s.Range(u"E9")->Get(u"Value"), Variant::Error(static_cast<int32_t>(0x800A07FA)));
  EXPECT_TRUE(s.Range(u"A2")->Get(u"Value").IsEmpty());
  EXPECT_EQ(s.Range(u"A3")->Get(u"Value"), Variant::String(u"Tag"));

  const auto notes = FakeExcel::FromJson(R"({"sheets": [{"name": "N"}], "selection": {"shape": "Chart 1"}})");
  EXPECT_EQ(Session(notes).sheet->Get(u"Name").ToString(), u"N");
  EXPECT_EQ(Obj(Session(notes).sheet->Get(u"PageSetup"))->Get(u"PrintArea").ToString(), u"");

  for (const char* bad : {R"({"sheets": []})", R"({"sheets": [{"name": "A", "colWidths": {}}]})",
                          R"({"sheets": [{"name": "A", "cells": {"A0": 1}}]})",
                          R"({"sheets": [{"name": "A"}], "names": {"X": "B!A1"}})", "{"}) {
    EXPECT_THROW(FakeExcel::FromJson(bad), std::runtime_error) << bad;
  }
}

}  // namespace
}  // namespace vk::fake
