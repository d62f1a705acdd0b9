#include "import/table_pass.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fake_fixture.h"
#include "import_rig.h"
#include "link/cell_record.h"
#include "record_decoder.h"
#include "settings/option_table.h"
#include "sweep_checks.h"

namespace vk {
namespace {

using test::ImportRig;

std::vector<CellRecord> Records(const ImportRig& rig) {
  std::vector<CellRecord> records;
  for (const auto& m : rig.link.messages) {
    if (m.kind != kWmCopyData) continue;
    EXPECT_EQ(m.cbData, static_cast<uint32_t>(kCellRecordSize));
    CellRecord record;
    std::memcpy(&record, m.bytes.data(), sizeof record);
    records.push_back(record);
  }
  return records;
}

// The record of a visible cell that holds nothing and has no formats of its own, as the
// description defines each field: Excel's defaults pass through unchanged (no fill reads
// ColorIndex -4142 and, from Excel 12 on, its white Interior.Color; an edge without a line keeps
// weight and colour 0; a diagonal has all three read).
CellRecord Plain(std::u16string_view address, double left, double top, double width, double height) {
  CellRecord r{};
  r.size = kCellRecordSize;
  r.left = left;
  r.top = top;
  r.width = r.mergeWidth = width;
  r.height = r.mergeHeight = height;
  r.fontSize = 11;
  r.orientation = -4128;
  r.horizontalAlignment = 1;
  r.verticalAlignment = -4107;
  r.fillColor = 0xFFFFFF;
  r.fillColorIndex = -4142;
  r.fillPattern = -4142;
  r.underline = -4142;
  for (EdgeStyle* edge : {&r.leftEdge, &r.topEdge, &r.rightEdge, &r.bottomEdge}) edge->lineStyle = -4142;
  r.diagonalDown = {-4142, 2, 0};
  r.diagonalUp = {-4142, 2, 0};
  SetField(r.address, address);
  SetField(r.mergeAddress, address);
  SetField(r.fontName, u"Calibri");
  SetField(r.sheetName, u"Cells");
  return r;
}

// A hidden row's or column's record: only the size, the two sizes, underline and the names.
CellRecord Hidden(double width, double height) {
  CellRecord r{};
  r.size = kCellRecordSize;
  r.width = width;
  r.height = height;
  r.underline = -4142;
  SetField(r.sheetName, u"Cells");
  return r;
}

// Compares every field by name, so that a failure says which fields differ.
void ExpectRecord(const CellRecord& got, const CellRecord& want, const std::string& where) {
  SCOPED_TRACE(where);
  const auto bytes = [](const CellRecord& r) { return reinterpret_cast<const uint8_t*>(&r); };
  const auto a = nlohmann::json::parse(decoder::RecordLine(bytes(got), sizeof got));
  const auto b = nlohmann::json::parse(decoder::RecordLine(bytes(want), sizeof want));
  for (const auto& [key, value] : b.items()) EXPECT_EQ(a[key], value) << key;
  EXPECT_EQ(std::memcmp(&got, &want, sizeof got), 0) << "the bytes differ";
}

// The columns and rows of cells.json: A is 60 points wide, B 50, the others 48, F hidden; rows
// are 15 points high, row 3 hidden.
struct Column {
  const char16_t* letter;
  double left;
  double width;
};
constexpr Column kColumns[] = {{u"A", 0, 60},   {u"B", 60, 50},  {u"C", 110, 48}, {u"D", 158, 48},
                               {u"E", 206, 48}, {u"F", 254, 0},  {u"G", 254, 48}};
constexpr double kRowTop[] = {0, 15, 30, 30, 45};
constexpr double kRowHeight[] = {15, 15, 0, 15, 15};

TEST(TablePass, SendsEveryCellOfTheSampleAsTheRecordFormatDefinesIt) {
  ImportRig rig(fake::ReadFixtureText("cells.json"));
  ASSERT_EQ(rig.Run(0), 0);
  EXPECT_EQ(rig.Tables(), (std::vector<test::Table>{{5, 7}}));
  EXPECT_EQ(rig.Ends(), std::vector<int64_t>{1});

  // Each cell's expected record: the plain record of its place, changed where the cell differs.
  std::vector<CellRecord> want;
  for (int row = 1; row <= 5; ++row) {
    for (const Column& c : kColumns) {
      const double height = kRowHeight[row - 1];
      if (c.width == 0 || height == 0) {
        want.push_back(Hidden(c.width, height));
      } else {
        want.push_back(Plain(u"$" + std::u16string(c.letter) + u"$" + std::u16string(1, u'0' + row), c.left,
                             kRowTop[row - 1], c.width, height));
      }
    }
  }
  auto at = [&](int row, int column) -> CellRecord& { return want[static_cast<size_t>((row - 1) * 7 + column - 1)]; };
  constexpr int32_t kYellow = 0x00FFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

  // A1:C1 merged: every cell carries the area's address and size with its own geometry.
  for (int column = 1; column <= 3; ++column) {
    SetField(at(1, column).mergeAddress, u"$A$1:$C$1");
    at(1, column).mergeWidth = 158;
  }
  {
    CellRecord& r = at(1, 1);  // braces and the backslash escaped; centred; yellow; thick double line below
    SetField(r.text, u"Pump \\{P-201\\} \\\\ data");
    r.horizontalAlignment = -4108;
    r.fontSize = 14;
    r.bold = 1;
    r.fillColorIndex = 6;
    r.fillColor = kYellow;
    r.fillPattern = 1;
    r.bottomEdge = {-4119, 4, 0, 0, {}};
  }
  SetField(at(1, 4).text, u"42");  // General: a number to the right, a boolean stays General
  at(1, 4).horizontalAlignment = -4152;
  SetField(at(1, 5).text, u"12/9/2025");  // a date is a number too
  at(1, 5).horizontalAlignment = -4152;
  SetField(at(1, 7).text, u"TRUE");

  {
    CellRecord& r = at(2, 1);  // H2O: the subscript is a run of its own; the flag stays 0
    SetField(r.text, u"H2O");
    SetField(r.runs, u"Calibri|11|b0|i0|u0|s0|0:Calibri|11|b0|i0|u0|s1|1:Calibri|11|b0|i0|u0|s0|2");
  }
  {
    CellRecord& r = at(2, 2);
    SetField(r.text, u"x2");
    SetField(r.runs, u"Calibri|11|b0|i0|u0|s0|0:Calibri|11|b0|i0|u0|s2|1");
  }
  {
    CellRecord& r = at(2, 3);  // sizes 10.5 and 12: the first character's size, rounded
    SetField(r.text, u"abCD");
    r.fontSize = 11;
    SetField(r.runs, u"Calibri|11|b0|i0|u0|s0|1:Calibri|12|b1|i0|u0|s0|3");
  }
  {
    CellRecord& r = at(2, 4);  // a{b: the brace takes positions 1 and 2
    SetField(r.text, u"a\\{b");
    SetField(r.runs, u"Calibri|11|b0|i0|u0|s0|2:Calibri|11|b1|i0|u0|s0|3");
  }
  SetField(at(2, 5).text, u"#DIV/0!");  // an error stays General

  {
    CellRecord& r = at(4, 1);
    SetField(r.text, u"Borders");
    r.topEdge = {1, 2, 0, 0, {}};
    r.bottomEdge = {-4119, 4, 0, 0, {}};
    r.leftEdge = {-4115, -4138, kBlue, 0, {}};
    r.rightEdge = {-4118, 1, 0, 0, {}};
    r.diagonalDown = {1, 2, kRed};
    r.diagonalUp = {-4115, 2, 0};
  }
  {
    CellRecord& r = at(4, 2);  // #FFCC00 is palette entry 44; the pattern colour is entry 3
    SetField(r.text, u"Gray");
    r.fillColor = 0x00CCFF;
    r.fillColorIndex = 44;
    r.fillPattern = -4125;
    r.patternColor = kRed;
  }
  SetField(at(4, 3).text, u"42.00");  // a formula: not sent outside table-object mode
  at(4, 3).horizontalAlignment = -4152;
  SetField(at(4, 4).text, u"$12.50");  // currency stays General
  SetField(at(4, 5).text, u"7");  // upward text: right
  at(4, 5).orientation = -4171;
  at(4, 5).horizontalAlignment = -4152;
  SetField(at(4, 7).text, u"5");  // a number running downward: left
  at(4, 7).orientation = -4170;
  at(4, 7).horizontalAlignment = -4131;

  {
    CellRecord& r = at(5, 1);
    SetField(r.text, u"Red");
    r.italic = 1;
    r.underline = 2;
    r.strikethrough = 1;
    r.fontColor = kRed;
    r.wrapText = 1;
    r.indentLevel = 2;
    r.verticalAlignment = -4160;
  }
  SetField(at(5, 2).text, u"ab");  // only the colour differs: no runs, the first character's colour
  {
    CellRecord& r = at(5, 3);  // names that differ only in case make one run
    SetField(r.text, u"ab");
    SetField(r.fontName, u"Arial");
    SetField(r.runs, u"Arial|11|b0|i0|u0|s0|1");
  }
  {
    CellRecord& r = at(5, 7);  // three plain characters, then two bold ones
    SetField(r.text, u"abcDE");
    SetField(r.runs, u"Calibri|11|b0|i0|u0|s0|2:Calibri|11|b1|i0|u0|s0|4");
  }

  const std::vector<CellRecord> got = Records(rig);
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i) {
    ExpectRecord(got[i], want[i], "row " + std::to_string(i / 7 + 1) + ", column " + std::to_string(i % 7 + 1));
  }

  // One progress step per cell, after the table's size.
  int steps = 0;
  for (const auto& e : rig.progress.events) steps += e.what == "stepit" ? 1 : 0;
  EXPECT_EQ(steps, 35);
  ASSERT_GE(rig.progress.events.size(), 2u);
  EXPECT_EQ(rig.progress.events[1].text, u"Table Size: 5 rows X 7 columns");
}

std::string OneSheet(const std::string& sheetBody, const std::string& top = "") {
  return "{" + top + R"("sheets":[{"name":"Cells",)" + sheetBody + "}]}";
}

// Settings and workbook properties that change single fields of every record.
TEST(TablePass, OptionsAndWorkbookDecideSomeFields) {
  struct Case {
    const char* what;
    std::string json;
    int selected;
    int tableObject;
    std::function<void(CellRecord&)> change;  // on the plain record of A1
  };
  const std::string formula = R"("cells":{"A1":{"value":3,"formula":"=1+2","numberFormat":"0.0","text":"3.0"}})";
  const std::string longFormula =
      R"("cells":{"A1":{"value":3,"formula":"=)" + std::string(511, '1') + R"(","text":"3"}})";
  auto number = [](const char16_t* text) {
    return [text](CellRecord& r) {
      SetField(r.text, text);
      r.horizontalAlignment = -4152;
    };
  };
  const std::vector<Case> cases = {
      {"a selection names its range", OneSheet(R"("cells":{"A1":"x"})", R"("selection":"A1",)"), 1, 0,
       [](CellRecord& r) { SetField(r.text, u"x"); SetField(r.areaAddress, u"$A$1"); }},
      {"table-object mode sends formula and number format", OneSheet(formula), 0, 1,
       [&](CellRecord& r) { number(u"3.0")(r); SetField(r.formula, u"=1+2"); SetField(r.numberFormat, u"0.0"); }},
      {"outside it neither", OneSheet(formula), 0, 0, number(u"3.0")},
      {"a formula of 512 characters is not sent, nor its format", OneSheet(longFormula), 0, 1, number(u"3")},
      {"before Excel 12 the fill colour comes from the palette",
       OneSheet(R"("cells":{"A1":{"value":"y","fill":{"colorIndex":6}}})", R"("version":"11.0",)"), 0, 0,
       [](CellRecord& r) { SetField(r.text, u"y"); r.fillColorIndex = 6; r.fillColor = 0x00FFFF; r.fillPattern = 1; }},
      {"before Excel 12 no fill leaves the colour 0", OneSheet(R"("cells":{"A1":"z"})", R"("version":"11.0",)"), 0, 0,
       [](CellRecord& r) { SetField(r.text, u"z"); r.fillColor = 0; }},
      {"printed gridlines stand in for missing lines", OneSheet(R"("printGridlines":true,"cells":{"A1":"g"})"), 0, 0,
       [](CellRecord& r) {
         SetField(r.text, u"g");
         for (EdgeStyle* edge : {&r.leftEdge, &r.topEdge, &r.rightEdge, &r.bottomEdge}) *edge = {1, 2, 0, 0, {}};
       }},
      {"a displayed text of 4096 characters is not sent",
       OneSheet(R"("cells":{"A1":")" + std::string(4096, 'w') + R"("})"), 0, 0, [](CellRecord&) {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImportRig rig(c.json);
    rig.SetOption(options::kTableObjOpt, c.tableObject);
    ASSERT_EQ(rig.Run(c.selected), 0);
    const std::vector<CellRecord> got = Records(rig);
    ASSERT_EQ(got.size(), 1u);
    CellRecord want = Plain(u"$A$1", 0, 0, 48, 15);
    c.change(want);
    ExpectRecord(got[0], want, c.what);
  }
}

// A General-aligned cell that shows a text goes right when its value is of an integer, real,
// decimal or date type, and stays General for currency, text, booleans, errors and anything
// else. The stand-in answers Range.Value with each type in turn. (DECIMAL, type 14, is not among
// them: the platform's bridge hands it over as a double.)
TEST(TablePass, GeneralAlignmentByEveryTypeOfValue) {
  const struct {
    Variant value;
    int32_t alignment;
  } cases[] = {
      {Variant::I2(5), -4152},
      {Variant::I4(5), -4152},
      {Variant::R4(5), -4152},
      {Variant::R8(5), -4152},
      {Variant::Currency(50000), 1},
      {Variant::Date(5), -4152},
      {Variant::String(u"5"), 1},
      {Variant::Error(static_cast<int32_t>(0x800A07E7)), 1},
      {Variant::Bool(true), 1},
      {Variant::Integer(VarType::I1, 5), -4152},
      {Variant::Integer(VarType::UI1, 5), -4152},
      {Variant::Integer(VarType::UI2, 5), -4152},
      {Variant::Integer(VarType::UI4, 5), -4152},
      {Variant::I8(5), -4152},
      {Variant::Integer(VarType::UI8, 5), -4152},
      {Variant::Integer(VarType::Int, 5), -4152},
      {Variant::Integer(VarType::UInt, 5), -4152},
      {Variant(), 1},
      {Variant::Null(), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.value.Type()));
    ImportRig rig(OneSheet(R"("cells":{"A1":5})"));
    rig.excel->AnswerMemberWith("Range.Value", c.value);
    ASSERT_EQ(rig.Run(0), 0);
    const std::vector<CellRecord> got = Records(rig);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(FieldText(got[0].text), u"5");
    EXPECT_EQ(got[0].horizontalAlignment, c.alignment);
  }
  // A cell that shows nothing keeps General, whatever its value.
  ImportRig empty(OneSheet(R"("cells":{"A1":{"value":5,"text":""}})"));
  ASSERT_EQ(empty.Run(0), 0);
  const std::vector<CellRecord> got = Records(empty);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].horizontalAlignment, 1);
}

// A row or column counts as hidden when its size is below 0.000001 point; at that size it is
// shown and read. (The stand-in keeps sizes as Excel's Single would; the sizes are answered.)
TEST(TablePass, ACellIsHiddenBelowOneMillionthOfAPoint) {
  const struct {
    const char* member;
    double size;
    bool shown;
  } cases[] = {
      {"Range.Width", 0.000001, true},
      {"Range.Width", 0.0000009, false},
      {"Range.Height", 0.000001, true},
      {"Range.Height", 0.0000009, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.member << " " << c.size);
    ImportRig rig(OneSheet(R"("cells":{"A1":"a"})"));
    rig.excel->AnswerMemberWith(c.member, Variant::R8(c.size));
    ASSERT_EQ(rig.Run(0), 0);
    const std::vector<CellRecord> got = Records(rig);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(FieldText(got[0].address), c.shown ? u"$A$1" : u"");
    EXPECT_EQ(FieldText(got[0].text), c.shown ? u"a" : u"");
  }
}

// A multi-area selection passed whole (FuncState 1) has a range text longer than the record's
// field: the field keeps the areas that fit whole.
TEST(TablePass, ARangeTextLongerThanItsFieldKeepsItsWholeAreas) {
  ImportRig rig(OneSheet(R"("cells":{"A1":"x"})", R"("selection":"A1,C3:D4,F6:G7,I9:J10,L12:M13,O15:P16,R18:S19",)"));
  rig.SetOption(options::kFuncState, 1);
  ASSERT_EQ(rig.Run(1), 0);
  const std::vector<CellRecord> got = Records(rig);
  ASSERT_EQ(got.size(), 1u);  // the first area's one cell
  CellRecord want = Plain(u"$A$1", 0, 0, 48, 15);
  SetField(want.text, u"x");
  SetField(want.areaAddress, u"$A$1,$C$3:$D$4,$F$6:$G$7,$I$9:$J$10,$L$12:$M$13,$O$15:$P$16");
  ExpectRecord(got[0], want, "");
}

// A failed read inside the fill, border or font step keeps what that step wrote and the record
// is still sent; Excel's busy refusal ends the import silently wherever it comes.
TEST(TablePass, FailuresInsideAStepKeepWhatItWrote) {
  const std::string json = OneSheet(
      R"("cells":{"A1":{"value":"f","font":{"bold":true,"color":"#FF0000"},"fill":{"colorIndex":3,"pattern":9},)"
      R"("borders":{"top":{"lineStyle":1,"weight":-4138},"bottom":{"lineStyle":5}}}})");
  auto full = [](CellRecord& r) {
    SetField(r.text, u"f");
    r.bold = 1;
    r.fontColor = 0x0000FF;
    r.fillColorIndex = 3;
    r.fillColor = 0x0000FF;
    r.fillPattern = 9;
    r.topEdge = {1, -4138, 0, 0, {}};
    r.bottomEdge = {5, 2, 0, 0, {}};
  };
  struct Case {
    const char* member;
    std::function<void(CellRecord&)> undo;  // what the failure leaves unwritten
  };
  const std::vector<Case> cases = {
      {"Interior.Color", [](CellRecord& r) { r.fillColor = 0; }},
      {"Interior.Pattern", [](CellRecord& r) { r.fillPattern = 0; }},
      {"Border.Weight",
       [](CellRecord& r) {
         r.topEdge = {1, 0, 0, 0, {}};
         r.bottomEdge = {};
         r.leftEdge = r.rightEdge = {};
         r.diagonalDown = r.diagonalUp = {};
       }},
      {"Font.Italic", [](CellRecord& r) { r.fontColor = 0; r.fontSize = 0; SetField(r.fontName, u""); }},
      {"Font.Name", [](CellRecord& r) { SetField(r.fontName, u""); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.member);
    ImportRig rig(json);
    rig.excel->FailMember(c.member);
    ASSERT_EQ(rig.Run(0), 0);
    const std::vector<CellRecord> got = Records(rig);
    ASSERT_EQ(got.size(), 1u);
    CellRecord want = Plain(u"$A$1", 0, 0, 48, 15);
    full(want);
    c.undo(want);
    ExpectRecord(got[0], want, c.member);
  }

  ImportRig busy(json);
  busy.excel->FailMember("Interior.Pattern", kExcelBusy);
  EXPECT_EQ(busy.Run(0), kExcelBusy);
  EXPECT_TRUE(busy.messages.shown.empty());
  EXPECT_TRUE(Records(busy).empty());
  EXPECT_TRUE(busy.Ends().empty());
}

}  // namespace
}  // namespace vk

namespace vk {
namespace {

// Each automation call of a small rich import fails once, in its own run: never a crash, a
// result the failure table allows, screen updating back on, no progress window left, no end
// message after a failure; a failure inside the fill, border or font step still sends every
// record.
TEST(TablePass, AFaultAtAnyCallOfARichImportEndsCleanly) {
  const std::string json = OneSheet(
      R"("cells":{"A1":{"rich":[{"text":"a{"},{"text":"b","bold":true,"size":12}],)"
      R"("fill":{"colorIndex":3,"pattern":9,"patternColorIndex":5},"borders":{"top":{"lineStyle":1},"diagonalUp":{"lineStyle":1}}},)"
      R"("B1":{"rich":[{"text":"c"},{"text":"d","color":"#00FF00","strikethrough":true}]},)"
      R"("A2":{"value":4,"formula":"=2*2"},"B2":"x"},"merged":["A2:B2"])",
      R"("selection":"A1:B2",)");
  size_t calls = 0;
  std::vector<test::LinkMessage> records;
  {
    ImportRig probe(json);
    probe.SetOption(options::kTableObjOpt, 1);
    ASSERT_EQ(probe.Run(1), 0);
    ASSERT_EQ(Records(probe).size(), 4u);
    calls = probe.excel->CallCount();
    records = probe.link.messages;
  }
  auto insideAStep = [](const std::string& key) {
    for (const char* prefix : {"Interior.", "Border.", "Borders.", "Font.", "Characters.", "Workbook.Colors",
                               "Range.Characters", "Range.HasFormula", "Range.Formula", "Range.NumberFormat",
                               "Range.FormatConditions", "FormatConditions.", "FormatCondition."}) {
      if (key.rfind(prefix, 0) == 0) return true;
    }
    return false;
  };
  for (size_t k = 1; k <= calls; ++k) {
    ImportRig rig(json);
    rig.SetOption(options::kTableObjOpt, 1);
    rig.excel->FailCallAt(k, fake::kExcelError);
    const int result = rig.Run(1);
    ASSERT_GE(rig.excel->Calls().size(), k);
    const std::string key = rig.excel->Calls()[k - 1].key;
    SCOPED_TRACE(testing::Message() << "call " << k << ": " << key);
    EXPECT_EQ(rig.progress.alive, 0);
    ASSERT_FALSE(rig.excel->screenUpdatingPuts.empty());
    EXPECT_TRUE(rig.excel->screenUpdatingPuts.back() || k == calls);
    if (insideAStep(key) || key == "Application.ScreenUpdating") {
      EXPECT_EQ(result, 0);
      EXPECT_EQ(Records(rig).size(), 4u);
      EXPECT_EQ(rig.Ends(), std::vector<int64_t>{1});
      continue;
    }
    // A read of a whole area, row or column that fails costs only its shortcut: the cells are
    // read one by one and the receiver gets the same records.
    if (result == 0) {
      EXPECT_EQ(rig.link.messages.size(), records.size());
      for (size_t i = 0; i < records.size() && i < rig.link.messages.size(); ++i) {
        EXPECT_EQ(rig.link.messages[i].bytes, records[i].bytes) << "message " << i;
      }
      continue;
    }
    EXPECT_TRUE(result == 1348 || result == 1363 || result == 1375 || test::IsStepMark(result)) << result;
    EXPECT_TRUE(rig.Ends().empty());
    EXPECT_EQ(rig.messages.shown.size(), 1u);
  }
}

}  // namespace
}  // namespace vk

namespace vk {
namespace {

// The same import with each call answering a wrong type, Nothing or Empty in turn: whatever a
// cell then carries, the run ends as a run ends, and the user's cells are as they were.
TEST(TablePass, AnOddAnswerAtAnyCallOfARichImportEndsCleanly) {
  const std::string json = OneSheet(
      R"("cells":{"A1":{"rich":[{"text":"a{"},{"text":"b","bold":true,"size":12}],)"
      R"("fill":{"colorIndex":3,"pattern":9,"patternColorIndex":5},"borders":{"top":{"lineStyle":1}}},)"
      R"("B1":{"value":5,"fill":{"color":"#00FF00"}},"A2":{"value":4,"formula":"=2*2"},"B2":"x"},"merged":["A2:B2"],)"
      R"("conditionalFormats":[{"appliesTo":"A1:B2","type":"expression","formula1":"=A1>4","font":{"bold":true}}])",
      R"("selection":"A1:B2","activeCell":"B2",)");
  size_t calls = 0;
  {
    ImportRig probe(json);
    probe.SetOption(options::kTableObjOpt, 1);
    ASSERT_EQ(probe.Run(1), 0);
    calls = probe.excel->CallCount();
  }
  using Unexpected = fake::FakeExcel::Unexpected;
  for (size_t k = 1; k <= calls; ++k) {
    for (Unexpected answer : {Unexpected::WrongType, Unexpected::Nothing, Unexpected::Empty}) {
      ImportRig rig(json);
      rig.SetOption(options::kTableObjOpt, 1);
      const auto before = test::UserCells::Of(rig.excel->Book());
      rig.excel->AnswerCallAt(k, answer);
      const int result = rig.Run(1);
      ASSERT_GE(rig.excel->Calls().size(), k);
      SCOPED_TRACE(testing::Message() << "call " << k << ": " << rig.excel->Calls()[k - 1].key << ", answer "
                                      << static_cast<int>(answer));
      EXPECT_EQ(rig.progress.alive, 0);
      EXPECT_EQ(rig.excel->screenUpdatingPuts.back(), true);
      EXPECT_TRUE(test::UserCells::Of(rig.excel->Book()) == before);
      if (result == 0) {
        EXPECT_EQ(rig.Ends(), std::vector<int64_t>{1});
        EXPECT_EQ(Records(rig).size(), 4u);  // a count answered Empty fails, it is not a table of none
      } else {
        EXPECT_TRUE(result == 1348 || result == 1363 || result == 1375 || test::IsStepMark(result)) << result;
        EXPECT_TRUE(rig.Ends().empty());
        EXPECT_EQ(rig.messages.shown.size(), 1u);
      }
    }
  }
}

}  // namespace
}  // namespace vk
