// Conditional formats through a whole import: the stand-in Excel, whose rule formulas read
// relative to the active cell as Excel's do, and a receiver in memory.
#include "import/conditional_formats.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "a1_text.h"
#include "fake_fixture.h"
#include "import_rig.h"
#include "link/cell_record.h"

namespace vk {
namespace {

using fake::Utf16;
using fake::Utf8;

constexpr int32_t kRed = 0x0000FF;    // "#FF0000"
constexpr int32_t kBlue = 0xFF0000;   // "#0000FF"
constexpr int32_t kWhite = 0xFFFFFF;  // no fill
constexpr int32_t kGreen = 0x00FF00;  // "#00FF00"

// The cell records the receiver got, by address.
std::map<std::u16string, CellRecord> Records(const test::ImportRig& rig) {
  std::map<std::u16string, CellRecord> records;
  for (const auto& m : rig.link.messages) {
    if (m.kind != kWmCopyData || m.cbData != sizeof(CellRecord)) continue;
    CellRecord record;
    std::memcpy(&record, m.bytes.data(), sizeof record);
    records[std::u16string(FieldText(record.address))] = record;
  }
  return records;
}

// The texts the import handed to one Evaluate member ("Application.Evaluate").
std::vector<std::u16string> Evaluated(const test::ImportRig& rig, const char* key) {
  std::vector<std::u16string> texts;
  for (const auto& call : rig.excel->Calls()) {
    if (call.key == key) texts.push_back(call.args.at(0).StringValue());
  }
  return texts;
}

// B2:B4 hold 1, 5, 9 and C2:C4 0, 7, 9; the rules apply to B2:B4, with B2 their anchor.
std::string Book(const std::string& rules, const std::string& selection = "E9", const std::string& activeCell = "E9",
                 const std::string& version = "16.0") {
  return R"({"version": ")" + version + R"(", "selection": ")" + selection + R"(", "activeCell": ")" + activeCell +
         R"(", "sheets": [{"name": "Plant",
           "cells": {"B2": 1, "B3": 5, "B4": 9, "C2": 0, "C3": 7, "C4": 9},
           "conditionalFormats": [)" + rules + "]}]}";
}

std::string Rule(const std::string& body, const std::string& appliesTo = "B2:B4") {
  return R"({"appliesTo": ")" + appliesTo + R"(", )" + body + "}";
}

TEST(ConditionalFormats, CellValueRulesOfEveryOperator) {
  const struct {
    const char* op;
    const char* formula1;
    const char* formula2;
    bool holds;
  } cases[] = {
      {"between", "=1", "=10", true},       {"between", "=6", "=10", false},
      {"notBetween", "=6", "=C2", true},    {"notBetween", "=1", "=10", false},
      {"equal", "=5", nullptr, true},       {"equal", "=C2", nullptr, false},
      {"notEqual", "=C2", nullptr, true},   {"notEqual", " ==5", nullptr, false},
      {"greater", "=4", nullptr, true},     {"greater", "=C2", nullptr, false},
      {"less", "=C2", nullptr, true},       {"less", "=5", nullptr, false},
      {"greaterEqual", "=5", nullptr, true}, {"greaterEqual", "=C2", nullptr, false},
      {"lessEqual", "=C2", nullptr, true},  {"lessEqual", "=4", nullptr, false},
  };
  for (const auto& c : cases) {
    std::string body = std::string(R"("type": "cellValue", "operator": ")") + c.op + R"(", "formula1": ")" +
                       c.formula1 + R"(", "fill": {"color": "#FF0000"})";
    if (c.formula2) body += std::string(R"(, "formula2": ")") + c.formula2 + "\"";
    test::ImportRig rig(Book(Rule(body)));
    ASSERT_EQ(rig.Run(0), 0) << c.op << " " << c.formula1;
    const CellRecord b3 = Records(rig).at(u"$B$3");
    EXPECT_EQ(b3.fillColor, c.holds ? kRed : kWhite) << c.op << " " << c.formula1;
    EXPECT_TRUE(rig.messages.shown.empty());
  }
}

TEST(ConditionalFormats, BetweenIsTestedWithTheCellsAbsoluteAddress) {
  test::ImportRig rig(Book(Rule(R"("type": "cellValue", "operator": "between", "formula1": "=1", "formula2": "=10")")));
  ASSERT_EQ(rig.Run(0), 0);
  const auto tests = Evaluated(rig, "Application.Evaluate");
  ASSERT_EQ(tests.size(), 3u);
  EXPECT_EQ(tests[1], u"AND(1<=$B$3, $B$3<=10)");
}

// Whatever cell is active when the import starts, each cell's rule reads its own neighbours,
// and the user's selection and active cell are as they were afterwards.
TEST(ConditionalFormats, ExpressionsReferToTheCellsOwnNeighboursWhateverCellWasActive) {
  const struct {
    const char* selection;
    const char* activeCell;
  } starts[] = {{"B2", "B2"}, {"B4", "B4"}, {"E9", "E9"}, {"A1:F9", "D5"}, {"B2:B4", "B3"}};
  for (const auto& start : starts) {
    test::ImportRig rig(Book(Rule(R"("type": "expression", "formula1": "=C2>5", "font": {"bold": true})"),
                             start.selection, start.activeCell));
    ASSERT_EQ(rig.Run(0), 0) << start.activeCell;
    const auto records = Records(rig);
    EXPECT_EQ(records.at(u"$B$2").bold, 0) << start.activeCell;
    EXPECT_EQ(records.at(u"$B$3").bold, 1) << start.activeCell;
    EXPECT_EQ(records.at(u"$B$4").bold, 1) << start.activeCell;
    EXPECT_EQ(Evaluated(rig, "Worksheet.Evaluate"), (std::vector<std::u16string>{u"=$C$2>5", u"=$C$3>5", u"=$C$4>5"}));
    const fake::FakeBook& book = rig.excel->Book();
    const auto selection = fake::ParseReference(Utf16(start.selection))->areas;
    EXPECT_EQ(book.selection.areas, selection) << start.activeCell;
    const auto active = fake::ParseReference(Utf16(start.activeCell))->areas.front();
    EXPECT_EQ(std::pair(book.activeRow, book.activeColumn), std::pair(active.row1, active.column1));
  }
}

TEST(ConditionalFormats, HoldingRulesShowAsExcelShowsThem) {
  // Rule 1 fills red, rule 2 fills blue and makes bold, rule 3 makes italic and green.
  const auto rules = [](bool hold1, bool stop1, bool hold2, bool stop2, bool hold3) {
    auto one = [](bool hold, bool stop, const char* format) {
      return Rule(std::string(R"("type": "expression", "formula1": ")") + (hold ? "=1=1" : "=1=2") +
                  R"(", "stopIfTrue": )" + (stop ? "true" : "false") + ", " + format);
    };
    return one(hold1, stop1, R"("fill": {"color": "#FF0000"})") + "," +
           one(hold2, stop2, R"("fill": {"color": "#0000FF"}, "font": {"bold": true})") + "," +
           one(hold3, false, R"("font": {"italic": true, "color": "#00FF00"})");
  };
  const struct {
    const char* name;
    std::string rules;
    int32_t fill;
    uint8_t bold, italic;
    int32_t fontColor;
  } cases[] = {
      {"two that hold: the first on top, formats combined", rules(true, false, true, false, false), kRed, 1, 0, 0},
      {"all three hold", rules(true, false, true, false, true), kRed, 1, 1, kGreen},
      {"stop on the first keeps the rest out", rules(true, true, true, false, true), kRed, 0, 0, 0},
      {"a stop that does not hold stops nothing", rules(false, true, true, false, true), kBlue, 1, 1, kGreen},
      {"stop on the second keeps only the third out", rules(true, false, true, true, true), kRed, 1, 0, 0},
      {"a rule above a holding stop still shows", rules(false, false, true, true, true), kBlue, 1, 0, 0},
      {"none holds", rules(false, true, false, true, false), kWhite, 0, 0, 0},
  };
  for (const auto& c : cases) {
    test::ImportRig rig(Book(c.rules));
    ASSERT_EQ(rig.Run(0), 0) << c.name;
    const CellRecord b2 = Records(rig).at(u"$B$2");
    EXPECT_EQ(b2.fillColor, c.fill) << c.name;
    EXPECT_EQ(b2.bold, c.bold) << c.name;
    EXPECT_EQ(b2.italic, c.italic) << c.name;
    EXPECT_EQ(b2.fontColor, c.fontColor) << c.name;
  }
}

TEST(ConditionalFormats, ScalesBarsAndIconSetsChangeNothing) {
  const std::string visual = Rule(R"("type": "colorScale")") + "," + Rule(R"("type": "dataBar")") + "," +
                             Rule(R"("type": "iconSet")");
  test::ImportRig plain(Book(visual));
  ASSERT_EQ(plain.Run(0), 0);
  test::ImportRig none(Book(Rule(R"("type": "expression", "formula1": "=1=2")")));
  ASSERT_EQ(none.Run(0), 0);
  const CellRecord a = Records(plain).at(u"$B$3"), b = Records(none).at(u"$B$3");
  EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
  // A rule after them is still evaluated.
  test::ImportRig after(Book(visual + "," + Rule(R"("type": "noBlanks", "formula1": "=LEN(TRIM(B2))>0", "fill": {"colorIndex": 6})")));
  ASSERT_EQ(after.Run(0), 0);
  EXPECT_EQ(Records(after).at(u"$B$3").fillColorIndex, 6);
}

TEST(ConditionalFormats, FailuresMakeARuleNotHoldAndBusyEndsTheImport) {
  const std::string rules = Rule(R"("type": "cellValue", "operator": "greater", "formula1": "=0", "fill": {"color": "#FF0000"})") +
                            "," + Rule(R"("type": "expression", "formula1": "=B2>0", "font": {"bold": true})");
  const struct {
    const char* member;
    int32_t hr;
    int result;
    int32_t fill;
    uint8_t bold;
  } cases[] = {
      {"Application.Evaluate", fake::kExcelError, 0, kWhite, 1},
      {"FormatCondition.Operator", fake::kExcelError, 0, kWhite, 1},
      {"Worksheet.Evaluate", fake::kExcelError, 0, kRed, 0},
      {"Range.Activate", fake::kExcelError, 0, kWhite, 0},
      {"FormatConditions.Count", fake::kExcelError, 0, kWhite, 0},
      {"FormatCondition.Type", fake::kExcelError, 0, kWhite, 0},  // reading a rule ends the step
      {"Worksheet.Evaluate", kExcelBusy, kExcelBusy, 0, 0},
      {"FormatCondition.Interior", kExcelBusy, kExcelBusy, 0, 0},
  };
  for (const auto& c : cases) {
    test::ImportRig rig(Book(rules));
    rig.excel->FailMember(c.member, c.hr);
    ASSERT_EQ(rig.Run(0), c.result) << c.member;
    EXPECT_TRUE(rig.messages.shown.empty()) << c.member;
    if (c.result != 0) continue;
    const CellRecord b3 = Records(rig).at(u"$B$3");
    EXPECT_EQ(b3.fillColor, c.fill) << c.member;
    EXPECT_EQ(b3.bold, c.bold) << c.member;
  }
}

TEST(ConditionalFormats, BeforeExcel12OnlyTheFirstHoldingRuleShows) {
  const std::string rules =
      Rule(R"("type": "expression", "formula1": "=C2>5", "fill": {"colorIndex": 3})") + "," +
      Rule(R"("type": "expression", "formula1": "=1=1", "fill": {"colorIndex": 5}, "font": {"bold": true})");
  test::ImportRig rig(Book(rules, "E9", "E9", "11.0"));
  ASSERT_EQ(rig.Run(0), 0);
  const auto records = Records(rig);
  EXPECT_EQ(records.at(u"$B$2").fillColorIndex, 5);  // the first rule does not hold there
  EXPECT_EQ(records.at(u"$B$2").bold, 1);
  EXPECT_EQ(records.at(u"$B$3").fillColorIndex, 3);
  EXPECT_EQ(records.at(u"$B$3").bold, 0);
  // Formulas are evaluated as read with the cell active; Stop If True does not exist yet.
  EXPECT_EQ(Evaluated(rig, "Worksheet.Evaluate").at(0), u"=C2>5");
  EXPECT_EQ(rig.excel->CallCount("FormatCondition.StopIfTrue"), 0u);
}

// The sample workbook's sheet of conditions, A1:D3 without formats of its own: what each cell is
// sent with where rules hold, and no fill (Excel reports white), black text and no lines where
// none does.
TEST(ConditionalFormats, SampleWorkbookConditions) {
  test::ImportRig rig(fake::ReadFixtureText("cells.json"));
  rig.excel->Book().activeSheet = 1;
  ASSERT_EQ(rig.Run(0), 0);
  EXPECT_TRUE(rig.messages.shown.empty());
  const auto got = Records(rig);
  ASSERT_EQ(got.size(), 12u);

  constexpr int32_t kYellow = 0x00FFFF;  // palette entry 6
  struct Want {
    const char16_t* cell;
    int32_t fillColorIndex, fillColor, fillPattern;
    uint8_t bold, italic;
    int32_t fontColor;
    EdgeStyle bottomEdge;
  };
  constexpr EdgeStyle kNoLine{-4142, 0, 0, 0, {}};
  const Want cases[] = {
      {u"$A$1", 6, kYellow, 1, 0, 0, 0, kNoLine},         // 5 is between 1 and 10
      {u"$B$1", -4142, kWhite, -4142, 0, 0, 0, kNoLine},  // 50 is not
      {u"$C$1", 3, kRed, 1, 0, 1, 0, kNoLine},            // two that hold: the first one's fill on top,
                                                          // the second one's italic beside it
      {u"$D$1", 4, kGreen, 1, 0, 0, 0, kNoLine},          // Stop If True on the higher rule: no bold
      {u"$A$2", -4142, kWhite, -4142, 0, 0, 0, kNoLine},  // =A2>B2: 3 > 8 does not hold
      {u"$B$2", -4142, kWhite, -4142, 0, 0, 0, kNoLine},
      {u"$C$2", 6, kYellow, 1, 0, 1, 0, kNoLine},         // Stop If True on the lower rule: the rule
                                                          // above still shows, the one below does not
      {u"$D$2", -4142, kWhite, -4142, 1, 0, 0, kNoLine},  // there the stop does not hold
      {u"$A$3", -4142, kWhite, -4142, 1, 0, kRed, {1, 2, kRed, 1, {}}},  // =A3>B3: 9 > 2
      {u"$B$3", -4142, kWhite, -4142, 0, 0, 0, kNoLine},
      {u"$C$3", -4142, kWhite, -4142, 0, 0, 0, kNoLine},
      {u"$D$3", -4142, kWhite, -4142, 0, 0, 0, kNoLine},
  };
  for (const Want& w : cases) {
    SCOPED_TRACE(Utf8(w.cell));
    ASSERT_TRUE(got.count(w.cell));
    const CellRecord& r = got.at(w.cell);
    EXPECT_EQ(r.fillColorIndex, w.fillColorIndex);
    EXPECT_EQ(r.fillColor, w.fillColor);
    EXPECT_EQ(r.fillPattern, w.fillPattern);
    EXPECT_EQ(r.patternColor, 0);
    EXPECT_EQ(r.bold, w.bold);
    EXPECT_EQ(r.italic, w.italic);
    EXPECT_EQ(r.underline, -4142);
    EXPECT_EQ(r.strikethrough, 0);
    EXPECT_EQ(r.fontColor, w.fontColor);
    EXPECT_EQ(std::memcmp(&r.bottomEdge, &w.bottomEdge, sizeof(EdgeStyle)), 0);
    for (const EdgeStyle* edge : {&r.leftEdge, &r.topEdge, &r.rightEdge}) {
      EXPECT_EQ(std::memcmp(edge, &kNoLine, sizeof(EdgeStyle)), 0);
    }
  }
}

TEST(ConditionalFormats, ReadsEvaluateResultsByType) {
  const struct {
    Variant result;
    bool holds;
  } cases[] = {
      {Variant::Bool(true), true},
      {Variant::Bool(false), false},
      {Variant::I4(-3), true},
      {Variant::I4(0), false},
      {Variant::I8(int64_t{1} << 40), true},
      {Variant::R8(0.000001), true},
      {Variant::R8(-0.0000009), false},
      {Variant::R4(2.5f), true},
      {Variant::Error(static_cast<int32_t>(0x800A07DF)), false},
      {Variant::String(u"TRUE"), false},
      {Variant(), false},
      {Variant::Array({2}, {Variant::Bool(true), Variant::Bool(false)}), true},
      {Variant::Array({2}, {Variant::Bool(false), Variant::Bool(true)}), false},
      {Variant::Array({1}, {Variant::R8(1)}), false},
      {Variant::Array({0}, {}), false},
      {Variant::Array({1, 1}, {Variant::Bool(true)}), false},  // two dimensions
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(ExpressionHolds(cases[i].result), cases[i].holds) << i;
}

}  // namespace
}  // namespace vk
