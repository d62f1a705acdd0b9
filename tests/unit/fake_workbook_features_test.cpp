// What real workbooks bring that the stand-in must answer as Excel does: General numbers as a
// cell of standard width shows them, the workbook's own standard font, notes listed among the
// shapes, hidden sheets, large sheets whose cells answer as fast as a small sheet's, and the
// formats of several cells.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "call_result.h"
#include "fake_excel.h"
#include "import_rig.h"
#include "link/shape_record.h"
#include "settings/option_table.h"
#include "test_hive.h"
#include "test_shell.h"
#include "utf_text.h"

namespace vk::fake {
namespace {

using test::ErrorOf;
using test::Obj;

ObjectPtr ActiveSheet(const std::shared_ptr<FakeExcel>& excel) { return Obj(excel->Application()->Get(u"ActiveSheet")); }

ObjectPtr RangeOf(const std::shared_ptr<FakeExcel>& excel, const char16_t* reference) {
  return Obj(ActiveSheet(excel)->Get(u"Range", {Variant::String(reference)}));
}

TEST(GeneralNumberText, ShowsAtMostElevenCharactersRoundedOrScientific) {
  const struct {
    const char* json;  // the cell's value as the workbook stores it
    const char16_t* text;
  } cases[] = {
      {"0.021211775296413", u"0.021211775"},  // rounded to fit
      {"3966.66666666667", u"3966.666667"},
      {"-3966.66666666667", u"-3966.66667"},  // the sign takes a character
      {"1234567.891234", u"1234567.891"},
      {"0.30000000000000004", u"0.3"},        // trailing zeros go
      {"2.675", u"2.675"},                    // decimal rounding, not binary
      {"0.123456789449", u"0.123456789"},
      {"0.1234567895", u"0.12345679"},        // 0.123456790: the zero is dropped
      {"42", u"42"},
      {"0", u"0"},
      {"12345678901", u"12345678901"},        // eleven digits fit
      {"99999999999.4", u"99999999999"},
      {"99999999999.6", u"1E+11"},            // rounding makes twelve digits
      {"123456789012", u"1.23457E+11"},       // twelve digits: scientific
      {"-123456789012", u"-1.2346E+11"},
      {"1e100", u"1E+100"},
      {"0.0001", u"0.0001"},
      {"0.00001234", u"1.234E-05"},           // below 0.0001: scientific
      {"1.5e-10", u"1.5E-10"},
  };
  for (const auto& c : cases) {
    const auto excel = FakeExcel::FromJson(std::string(R"({"sheets": [{"name": "S", "cells": {"A1": )") + c.json + "}}]}");
    EXPECT_EQ(RangeOf(excel, u"A1")->Get(u"Text").ToString(), c.text) << c.json;
  }
  // Another number format shows what the fixture gives; Formula keeps every stored digit.
  const auto excel = FakeExcel::FromJson(R"({"sheets": [{"name": "S", "cells": {
      "A1": 0.021211775296413, "A2": {"value": 0.021211775296413, "numberFormat": "0.00", "text": "0.02"}}}]})");
  EXPECT_EQ(RangeOf(excel, u"A1")->Get(u"Formula").ToString(), u"0.021211775296413");
  EXPECT_EQ(RangeOf(excel, u"A2")->Get(u"Text").ToString(), u"0.02");
}

TEST(WorkbookStandardFont, EveryCellStartsFromIt) {
  const auto arial = FakeExcel::FromJson(R"({"standardFont": {"name": "Arial", "size": 10},
      "sheets": [{"name": "S", "cells": {"A1": "plain", "B1": {"value": "bold", "font": {"bold": true}},
                                         "C1": {"value": "big", "font": {"size": 14}}}}]})");
  const struct {
    const char16_t* cell;
    const char16_t* name;
    double size;
    bool bold;
  } cases[] = {{u"A1", u"Arial", 10, false}, {u"B1", u"Arial", 10, true}, {u"C1", u"Arial", 14, false},
               {u"D9", u"Arial", 10, false}};
  for (const auto& c : cases) {
    const ObjectPtr font = Obj(RangeOf(arial, c.cell)->Get(u"Font"));
    EXPECT_EQ(font->Get(u"Name").ToString(), c.name) << Utf8(c.cell);
    EXPECT_DOUBLE_EQ(font->Get(u"Size").ToDouble(), c.size) << Utf8(c.cell);
    EXPECT_EQ(font->Get(u"Bold").ToBool(), c.bold) << Utf8(c.cell);
    const ObjectPtr first = Obj(Obj(RangeOf(arial, c.cell)->Get(u"Characters", {Variant::I4(1), Variant::I4(1)}))->Get(u"Font"));
    EXPECT_EQ(first->Get(u"Name").ToString(), c.name) << Utf8(c.cell);
  }
  const auto plain = FakeExcel::FromJson(R"({"sheets": [{"name": "S", "cells": {"A1": 1}}]})");
  const ObjectPtr font = Obj(RangeOf(plain, u"A1")->Get(u"Font"));
  EXPECT_EQ(font->Get(u"Name").ToString(), u"Calibri");
  EXPECT_DOUBLE_EQ(font->Get(u"Size").ToDouble(), 11);
  EXPECT_THROW(FakeExcel::FromJson(R"({"standardFont": {"bold": true}, "sheets": [{"name": "S"}]})"), std::runtime_error);
}

TEST(HiddenSheets, CannotBeActiveOrActivated) {
  const auto excel = FakeExcel::FromJson(R"({"sheets": [{"name": "Lookup", "visible": false},
      {"name": "Data", "cells": {"B2": 1}}, {"name": "Secret", "visible": "veryHidden"}]})");
  EXPECT_EQ(ActiveSheet(excel)->Get(u"Name").ToString(), u"Data");  // the first visible sheet
  const ObjectPtr book = Obj(excel->Application()->Get(u"ActiveWorkbook"));
  const struct {
    Variant index;
    int32_t visible;
    int32_t activate;  // HRESULT of Activate
  } cases[] = {{Variant::String(u"Lookup"), 0, kExcelError},
               {Variant::String(u"secret"), 2, kExcelError},
               {Variant::I4(2), -1, kSOk}};
  for (const auto& c : cases) {
    const ObjectPtr sheet = Obj(book->Get(u"Worksheets", {c.index}));
    EXPECT_EQ(sheet->Get(u"Visible"), Variant::I4(c.visible));
    EXPECT_EQ(ErrorOf([&] { sheet->Call(u"Activate"); }), c.activate);
    EXPECT_EQ(ActiveSheet(excel)->Get(u"Name").ToString(), u"Data");
  }
  EXPECT_EQ(ErrorOf([&] { book->Get(u"Worksheets", {Variant::String(u"Nowhere")}); }), kExcelError);
  EXPECT_EQ(ErrorOf([&] { book->Get(u"Worksheets", {Variant::I4(4)}); }), kExcelError);

  for (const char* bad : {R"({"sheets": [{"name": "A", "visible": false}, {"name": "B"}], "activeSheet": "A"})",
                          R"({"sheets": [{"name": "A", "visible": false}]})",
                          R"({"sheets": [{"name": "A", "visible": "hidden"}]})"}) {
    EXPECT_THROW(FakeExcel::FromJson(bad), std::runtime_error) << bad;
  }
}

// A note is a shape of type msoComment (4) after the drawing objects, hidden until shown.
TEST(Notes, AreListedAmongTheShapes) {
  const std::string book = R"({"sheets": [{"name": "S", "cells": {"B2": 5},
      "shapes": [{"name": "Box", "type": 1, "autoShapeType": 1, "left": 200, "top": 100, "width": 40, "height": 20}],
      "notes": [{"cell": "B2", "text": "Checked by QA"},
                {"cell": "C4", "text": "Shown", "visible": true, "left": 300, "top": 10, "width": 90, "height": 50}]}]})";
  const auto excel = FakeExcel::FromJson(book);
  const ObjectPtr shapes = Obj(ActiveSheet(excel)->Get(u"Shapes"));
  EXPECT_EQ(shapes->Get(u"Count").ToInt32(), 3);
  const ObjectPtr note = Obj(shapes->Call(u"Item", {Variant::I4(2)}));
  EXPECT_EQ(note->Get(u"Name").ToString(), u"Comment 1");
  EXPECT_EQ(note->Get(u"Type").ToInt32(), 4);
  EXPECT_EQ(note->Get(u"AutoShapeType").ToInt32(), 1);
  EXPECT_EQ(note->Get(u"Visible").ToInt32(), 0);
  EXPECT_FLOAT_EQ(static_cast<float>(note->Get(u"Left").ToDouble()), 108);  // B's right edge (96) + 12
  EXPECT_FLOAT_EQ(static_cast<float>(note->Get(u"Top").ToDouble()), 7.5);   // row 2's top (15) - 7.5
  EXPECT_FLOAT_EQ(static_cast<float>(note->Get(u"Width").ToDouble()), 96);
  EXPECT_FLOAT_EQ(static_cast<float>(note->Get(u"Height").ToDouble()), 55.5);
  const ObjectPtr characters = Obj(Obj(note->Get(u"TextFrame"))->Call(u"Characters"));
  EXPECT_EQ(characters->Get(u"Text").ToString(), u"Checked by QA");
  EXPECT_EQ(Obj(shapes->Call(u"Item", {Variant::I4(3)}))->Get(u"Name").ToString(), u"Comment 2");

  // The import sends the shown note as a shape of another kind, and nothing for the hidden one.
  test::ImportRig rig(book);
  rig.SetOption(options::kImportObj, 0x7F);
  test::TempFolder pictures;  // the note's metafile, not in the folder the suite runs in
  rig.hive.WriteText(test::kProductPath, u"PicturesFolder", pictures.Path());
  ASSERT_EQ(rig.Run(0), 0);
  std::vector<int32_t> types;
  for (const auto& m : rig.link.messages) {
    if (m.kind != kWmCopyData || m.cbData != static_cast<uint32_t>(kShapeRecordSize)) continue;
    ShapeRecord record;
    std::memcpy(&record, m.bytes.data(), sizeof record);
    types.push_back(record.shapeType);
  }
  EXPECT_EQ(types, (std::vector<int32_t>{1, 4}));
  EXPECT_THROW(FakeExcel::FromJson(R"({"sheets": [{"name": "S", "notes": [{"cell": "B2:C3", "text": "x"}]}]})"),
               std::runtime_error);
}

// Members of one cell answer from the cell's neighbourhood, never from a walk over the sheet:
// the answers must stay right when sizes change after the first read.
TEST(LargeSheets, CellMembersStayRightAfterChanges) {
  std::string rows;
  for (int r = 0; r < 400; ++r) rows += std::string(r ? "," : "") + "[1,2,3]";
  const auto excel = FakeExcel::FromJson(R"({"sheets": [{"name": "S", "rowHeights": {"2": 30}, "hiddenRows": [4],
      "merged": ["E5:F6"], "cells": {"H3": {"value": 4, "formula": "=1+3"}, "H4": {"value": 5, "formula": "=2+3"}},
      "blocks": [{"at": "A1", "rows": [)" + rows + "]}]}]}");
  EXPECT_DOUBLE_EQ(RangeOf(excel, u"A6")->Get(u"Top").ToDouble(), 75);  // 15 + 30 + 15 + 0 + 15
  FakeSheet& sheet = excel->Book().sheets[0];
  sheet.SetRowHeight(5, 20);
  EXPECT_DOUBLE_EQ(RangeOf(excel, u"A6")->Get(u"Top").ToDouble(), 80);
  sheet.standardHeight = 12;
  EXPECT_DOUBLE_EQ(RangeOf(excel, u"A6")->Get(u"Top").ToDouble(), 74);  // 12 + 30 + 12 + 0 + 20
  sheet.SetColumnWidth(1, 10);
  EXPECT_DOUBLE_EQ(RangeOf(excel, u"C1")->Get(u"Left").ToDouble(), 58);

  const struct {
    const char16_t* range;
    Variant hasFormula;
  } cases[] = {{u"H3", Variant::Bool(true)},  {u"H3:H4", Variant::Bool(true)}, {u"H2:H4", Variant::Null()},
               {u"A1", Variant::Bool(false)}, {u"A1:C400", Variant::Bool(false)}, {u"A:H", Variant::Null()}};
  for (const auto& c : cases) EXPECT_EQ(RangeOf(excel, c.range)->Get(u"HasFormula"), c.hasFormula) << Utf8(c.range);
  EXPECT_EQ(RangeOf(excel, u"A1:A400")->Get(u"Text"), Variant::String(u"1"));
  EXPECT_EQ(RangeOf(excel, u"A1:A401")->Get(u"Text"), Variant::Null());
  EXPECT_EQ(RangeOf(excel, u"A1:B1")->Get(u"Text"), Variant::Null());

  EXPECT_EQ(Obj(RangeOf(excel, u"F6")->Get(u"MergeArea"))->Get(u"Address").ToString(), u"$E$5:$F$6");
  sheet.mergedAreas.push_back(CellArea{10, 1, 11, 2});
  EXPECT_EQ(Obj(RangeOf(excel, u"B11")->Get(u"MergeArea"))->Get(u"Address").ToString(), u"$A$10:$B$11");
  EXPECT_EQ(Obj(RangeOf(excel, u"C11")->Get(u"MergeArea"))->Get(u"Address").ToString(), u"$C$11");
}

// A format read of several cells answers what they all share and Null where they differ; a
// blank cell counts with the standard format. A range's edges are the lines at its sides, its
// diagonals those of every cell.
TEST(SeveralCells, AnswerTheFormatTheyShareAndNullWhereTheyDiffer) {
  const auto excel = FakeExcel::FromJson(R"({"sheets": [{"name": "S", "cells": {
      "B2": {"value": 1, "font": {"bold": true}, "fill": {"color": "#FFCC00"}, "align": -4108, "numberFormat": "0.00",
             "borders": {"top": {"lineStyle": 1}, "left": {"lineStyle": -4115}, "diagonalUp": {"lineStyle": 1}}},
      "C2": {"value": 2, "font": {"bold": true}, "fill": {"color": "#FFCC00"}, "align": -4108, "numberFormat": "0.00",
             "borders": {"top": {"lineStyle": 1, "weight": -4138}, "right": {"lineStyle": 1}, "diagonalUp": {"lineStyle": 1}}},
      "B3": {"value": 3, "align": -4108, "orientation": 45,
             "borders": {"left": {"lineStyle": -4115}, "diagonalUp": {"lineStyle": 1}}},
      "C3": {"value": 4, "align": -4108, "borders": {"diagonalUp": {"lineStyle": 1}}}}}]})");
  const struct {
    const char16_t* range;
    const char16_t* object;  // Font, Interior, Borders (then Item(line)), or the range itself
    int32_t line;
    const char16_t* member;
    Variant expected;
  } cases[] = {
      {u"B2:C2", u"Font", 0, u"Bold", Variant::Bool(true)},
      {u"B3:C3", u"Font", 0, u"Bold", Variant::Bool(false)},
      {u"B2:C3", u"Font", 0, u"Bold", Variant::Null()},
      {u"B2:C3", u"Font", 0, u"Size", Variant::R8(11)},
      {u"B4:C5", u"Font", 0, u"Bold", Variant::Bool(false)},
      {u"B2:C2", u"Interior", 0, u"Color", Variant::R8(0x00CCFF)},
      {u"B2:C3", u"Interior", 0, u"Color", Variant::Null()},
      {u"B2:C3", u"Interior", 0, u"Pattern", Variant::Null()},
      {u"B3:C3", u"Interior", 0, u"ColorIndex", Variant::I4(-4142)},
      {u"B2:C3", u"Borders", 8, u"LineStyle", Variant::I4(1)},        // top: the first row's
      {u"B2:C3", u"Borders", 8, u"Weight", Variant::Null()},          // thin and medium
      {u"B3:C3", u"Borders", 8, u"LineStyle", Variant::I4(-4142)},
      {u"B2:C3", u"Borders", 7, u"LineStyle", Variant::I4(-4115)},    // left: the first column's
      {u"C2:C3", u"Borders", 7, u"LineStyle", Variant::I4(-4142)},
      {u"B2:C3", u"Borders", 10, u"LineStyle", Variant::Null()},      // right: C2 drawn, C3 not
      {u"B2:C2", u"Borders", 9, u"LineStyle", Variant::I4(-4142)},
      {u"B2:C3", u"Borders", 6, u"LineStyle", Variant::I4(1)},        // every cell's diagonal
      {u"B2:C4", u"Borders", 6, u"LineStyle", Variant::Null()},
      {u"B2:C3", u"Borders", 11, u"LineStyle", Variant::I4(-4142)},   // between B and C: none
      {u"B2:C3", u"", 0, u"HorizontalAlignment", Variant::I4(-4108)},
      {u"B2:C4", u"", 0, u"HorizontalAlignment", Variant::Null()},
      {u"B2:C2", u"", 0, u"Orientation", Variant::I4(-4128)},
      {u"B2:C3", u"", 0, u"Orientation", Variant::Null()},
      {u"B2:C3", u"", 0, u"VerticalAlignment", Variant::I4(-4107)},
      {u"B2:C3", u"", 0, u"IndentLevel", Variant::I4(0)},
      {u"B2:C2", u"", 0, u"NumberFormat", Variant::String(u"0.00")},
      {u"B2:C3", u"", 0, u"NumberFormat", Variant::Null()},
  };
  for (const auto& c : cases) {
    ObjectPtr object = RangeOf(excel, c.range);
    if (*c.object) object = Obj(object->Get(c.object));
    if (c.line != 0) object = Obj(object->Get(u"Item", {Variant::I4(c.line)}));
    EXPECT_EQ(object->Get(c.member), c.expected) << Utf8(c.range) << " " << Utf8(c.object) << " " << c.line << " "
                                                 << Utf8(c.member);
  }
  // A stand-in that refuses reads of several cells still answers one cell.
  excel->RefuseMultiCellReads(true);
  for (const char16_t* member : {u"Font", u"Interior", u"Borders", u"Orientation", u"NumberFormat"}) {
    EXPECT_EQ(ErrorOf([&] { RangeOf(excel, u"B2:C2")->Get(member); }), static_cast<int32_t>(0x800A03EC)) << Utf8(member);
    EXPECT_EQ(ErrorOf([&] { RangeOf(excel, u"B2")->Get(member); }), 0) << Utf8(member);
  }
}

}  // namespace
}  // namespace vk::fake
