// The table pass reads what an area, row or column shares once and each cell only for what may
// differ. The records must not move by one byte: every import here runs twice, once against the
// stand-in Excel answering ranges of several cells as Excel documents it, and once against a
// stand-in that refuses such reads, which leaves the pass the cell-by-cell reading (the
// reference). Both runs must send the same messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "fake_fixture.h"
#include "import_rig.h"
#include "message_table.h"

namespace vk {
namespace {

struct ImportResult {
  int result = -1;
  std::vector<test::LinkMessage> messages;
  size_t calls = 0;
};

ImportResult Import(const std::string& book, bool refuseSeveralCells, bool tableObject) {
  test::ImportRig rig(book);
  rig.SetOption(options::kTableObjOpt, tableObject ? 1 : 0);
  rig.excel->RefuseMultiCellReads(refuseSeveralCells);
  rig.excel->SetRecording(false);
  ImportResult run;
  run.result = rig.Run(0);
  run.messages = rig.link.messages;
  run.calls = rig.excel->CallCount();
  return run;
}

// The same messages, byte for byte; the first message or record that differs is named.
void ExpectSameMessages(const ImportResult& reference, const ImportResult& fast, const std::string& what) {
  EXPECT_EQ(reference.result, fast.result) << what;
  EXPECT_TRUE(test::SameMessages(test::Rows(fast.messages), test::Rows(reference.messages))) << what;
  EXPECT_TRUE(test::SameRecords(fast.messages, reference.messages)) << what;
}

void ExpectSameAsCellByCell(const std::string& book, const std::string& what) {
  for (const bool tableObject : {false, true}) {
    const ImportResult reference = Import(book, true, tableObject);
    const ImportResult fast = Import(book, false, tableObject);
    ASSERT_EQ(reference.result, 0) << what;
    ExpectSameMessages(reference, fast, what + (tableObject ? " (table object)" : ""));
  }
}

TEST(TableShortcutsTest, EveryWorkbookFixtureSendsTheRecordsOfTheCellByCellReading) {
  int fixtures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(fake::FixturesDir())) {
    if (entry.path().extension() != ".json") continue;
    ExpectSameAsCellByCell(fake::ReadFixtureText(entry.path().string()), entry.path().filename().string());
    ++fixtures;
  }
  EXPECT_GE(fixtures, 3);
}

// A sheet of rows x columns from B2 with a random mix of values, fonts, rich text, fills,
// borders, alignment, wrapping, formulas, merges, hidden rows and columns and conditional formats.
// Some rows share formats across their cells and some columns their left and right lines, so that
// both what a row or column shares and what differs in it are read.
std::string RandomSheet(unsigned seed) {
  std::mt19937 random(seed);
  auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
  auto pick = [&](std::initializer_list<const char*> items) {
    return std::string(items.begin()[random() % items.size()]);
  };
  auto font = [&] {
    return pick({R"({"bold": true, "color": "#FF0000"})", R"({"italic": true, "underline": 2, "size": 14})",
                 R"({"name": "Arial", "strikethrough": true})", R"({"superscript": true})"});
  };
  auto fill = [&] {
    return pick({R"({"color": "#FFCC00"})", R"({"colorIndex": 6, "pattern": 9, "patternColorIndex": 3})"});
  };
  auto line = [&] {
    return pick({R"({"lineStyle": 1})", R"({"lineStyle": -4115, "weight": -4138})",
                 R"({"lineStyle": 1, "weight": 4, "color": "#0000FF"})", R"({"lineStyle": -4142})"});
  };
  const int rows = 3 + static_cast<int>(random() % 6);
  const int columns = 2 + static_cast<int>(random() % 5);
  const bool allWrap = chance(20);
  // What a row's cells share, key by key, and a column's left and right lines.
  std::vector<std::map<std::string, std::string>> rowStyles(static_cast<size_t>(rows));
  for (auto& style : rowStyles) {
    if (!chance(50)) continue;
    if (chance(50)) style["font"] = font();
    if (chance(50)) style["fill"] = fill();
    if (chance(50)) style["align"] = pick({"-4108", "-4152"});
    if (chance(30)) style["valign"] = pick({"-4160", "-4108"});
    if (chance(30)) style["orientation"] = pick({"-4171", "45"});
    if (chance(50)) style["top"] = line(), style["bottom"] = line();
    if (chance(30)) style["diagonalUp"] = line();
  }
  std::vector<std::string> columnLeft(static_cast<size_t>(columns)), columnRight(static_cast<size_t>(columns));
  for (int c = 0; c < columns; ++c) {
    if (chance(40)) columnLeft[static_cast<size_t>(c)] = line();
    if (chance(40)) columnRight[static_cast<size_t>(c)] = line();
  }
  std::string cells;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      std::map<std::string, std::string> format = rowStyles[static_cast<size_t>(r)];
      std::map<std::string, std::string> lines;
      for (const char* side : {"top", "bottom", "diagonalUp"}) {
        if (format.count(side)) lines[side] = format[side], format.erase(side);
      }
      if (!columnLeft[static_cast<size_t>(c)].empty()) lines["left"] = columnLeft[static_cast<size_t>(c)];
      if (!columnRight[static_cast<size_t>(c)].empty()) lines["right"] = columnRight[static_cast<size_t>(c)];
      if (chance(30) && !format.count("font")) format["font"] = font();
      if (chance(30) && !format.count("fill")) format["fill"] = fill();
      if (chance(25)) lines[pick({"top", "left", "bottom", "right", "diagonalDown"})] = line();
      if (chance(20) && !format.count("align")) format["align"] = pick({"-4108", "-4131", "-4152", "1"});
      if (chance(15) && !format.count("orientation")) format["orientation"] = pick({"-4171", "-4170", "45"});
      if (allWrap || chance(10)) format["wrap"] = "true";
      if (chance(10)) format["indent"] = "1";
      if (chance(10)) format["numberFormat"] = "\"0.00\"";
      if (!lines.empty()) {
        std::string borders;
        for (const auto& [side, style] : lines) borders += (borders.empty() ? "\"" : ", \"") + side + "\": " + style;
        format["borders"] = "{" + borders + "}";
      }
      std::string cell = "{";
      const int kind = static_cast<int>(random() % 6);
      if (kind == 0) cell += R"("value": )" + std::to_string(static_cast<int>(random() % 10000));
      else if (kind == 1) cell += R"("value": "T)" + std::to_string(r) + "x" + std::to_string(c) + "\"";
      else if (kind == 2) cell += R"("rich": [{"text": "ab"}, {"text": "c", "bold": true, "size": 9}])";
      else if (kind == 3) cell += R"("date": 45292.5)";
      else if (kind == 4) cell += R"("value": true)";
      else cell += R"("value": "")";
      if (chance(25)) cell += R"(, "formula": "=1+1")";
      for (const auto& [key, value] : format) cell += ", \"" + key + "\": " + value;
      cell += "}";
      const std::string address = std::string(1, static_cast<char>('B' + c)) + std::to_string(2 + r);
      cells += (cells.empty() ? "\"" : ", \"") + address + "\": " + cell;
    }
  }
  std::string keys;
  if (chance(50)) keys += R"(, "merged": ["B2:C2"])";
  if (chance(30) && rows > 4) keys += std::string(R"(, "merged": ["C4:)") + static_cast<char>('B' + columns - 1) + "5\"]";
  if (chance(40)) keys += R"(, "hiddenRows": [3])";
  if (chance(30)) keys += R"(, "hiddenColumns": ["C"])";
  if (chance(20)) keys += R"(, "printGridlines": true)";
  if (chance(40)) {
    keys += R"x(, "conditionalFormats": [
        {"appliesTo": "B2:D4", "type": "cellValue", "operator": "greater", "formula1": "=5000",
         "fill": {"color": "#FFC7CE"}},
        {"appliesTo": "C3:C9", "type": "expression", "formula1": "=ISNUMBER(C3)", "font": {"bold": true}}])x";
  }
  return R"({"sheets": [{"name": "Mix", "usedRange": "B2:)" + std::string(1, static_cast<char>('B' + columns - 1)) +
         std::to_string(1 + rows) + R"(", "cells": {)" + cells + "}" + keys + "}]}";
}

TEST(TableShortcutsTest, GeneratedSheetsSendTheRecordsOfTheCellByCellReading) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    const std::string book = RandomSheet(seed);
    ExpectSameAsCellByCell(book, "seed " + std::to_string(seed));
    if (HasFailure()) {
      ADD_FAILURE() << "sheet: " << book;
      return;
    }
  }
}

std::string PlainTable(int rows, int columns, const std::string& sheetKeys = "") {
  std::string data;
  for (int r = 0; r < rows; ++r) {
    data += r ? ",[" : "[";
    for (int c = 0; c < columns; ++c) data += (c ? "," : "") + std::to_string(r * columns + c);
    data += "]";
  }
  return R"({"sheets": [{"name": "T", "blocks": [{"at": "B2", "rows": [)" + data + "]}]" + sheetKeys + "}]}";
}

// What an area of plain cells costs: none of the reads a shared answer made unneeded is made per
// cell, and a refusing stand-in costs the reads of the reference again, with the same records.
TEST(TableShortcutsTest, SharedAnswersSpareTheReadsOfEachCell) {
  struct Case {
    const char* name;
    std::string book;
    size_t mergeAreaReads;   // Range.MergeArea
    size_t conditionReads;   // Range.FormatConditions
  };
  const Case cases[] = {
      {"plain", PlainTable(4, 5), 0, 1},
      {"a merge", PlainTable(4, 5, R"(, "merged": ["C3:D3"])"), 20, 1},
      {"a rule", PlainTable(4, 5, R"(, "conditionalFormats": [{"appliesTo": "B2", "type": "cellValue",
          "operator": "greater", "formula1": "=5", "fill": {"color": "#FFC7CE"}}])"), 0, 21},
  };
  for (const Case& c : cases) {
    test::ImportRig rig(c.book);
    ASSERT_EQ(rig.Run(0), 0) << c.name;
    EXPECT_EQ(rig.excel->CallCount("Range.MergeArea"), c.mergeAreaReads) << c.name;
    EXPECT_EQ(rig.excel->CallCount("Range.FormatConditions"), c.conditionReads) << c.name;
    // The address follows from the area's first row and column; widths, heights and places
    // from its rows and columns; the values from one read per row.
    EXPECT_EQ(rig.excel->CallCount("Range.Address"), c.mergeAreaReads) << c.name;
    EXPECT_LE(rig.excel->CallCount("Range.Value"), 4u) << c.name;
    EXPECT_LE(rig.excel->CallCount("Range.Width"), 6u + c.mergeAreaReads) << c.name;
    EXPECT_EQ(rig.excel->CallCount("Range.HasFormula"), 0u) << c.name;
    // Font, fill and alignment the whole area shares: one read each. Lines: the area's diagonals,
    // each of the 4 rows' top and bottom, each of the 5 columns' left and right.
    EXPECT_EQ(rig.excel->CallCount("Range.Font"), 1u) << c.name;
    EXPECT_EQ(rig.excel->CallCount("Range.Interior"), 1u) << c.name;
    EXPECT_EQ(rig.excel->CallCount("Range.Orientation"), 1u) << c.name;
    EXPECT_EQ(rig.excel->CallCount("Range.Borders"), 10u) << c.name;
    EXPECT_EQ(rig.excel->CallCount("Border.LineStyle"), 2u + 2 * 4 + 2 * 5) << c.name;
  }
}

// A number no cell value could hold (a line style of 1e20, a colour that is not a number) is no
// shared answer: every cell reads its own, and the records are those of the reference.
TEST(TableShortcutsTest, AnAnswerOutOfRangeIsLeftToTheCells) {
  const std::string book = PlainTable(4, 5);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* member;
    Variant answer;
  } cases[] = {{"Border.LineStyle", Variant::R8(1e20)}, {"Border.LineStyle", Variant::R8(-3e9)},
               {"Interior.Pattern", Variant::R8(nan)}, {"Font.Color", Variant::R8(2147483648.0)}};
  for (const auto& c : cases) {
    ImportResult runs[2];
    for (const bool refuse : {true, false}) {
      test::ImportRig rig(book);
      rig.excel->RefuseMultiCellReads(refuse);
      rig.excel->AnswerMemberWith(c.member, c.answer);
      runs[refuse ? 0 : 1] = {rig.Run(0), rig.link.messages, rig.excel->CallCount()};
    }
    EXPECT_EQ(runs[0].result, 0) << c.member;
    ExpectSameMessages(runs[0], runs[1], c.member);
  }
}

TEST(TableShortcutsTest, ARefusingStandInCostsTheCellByCellReadsAndNoError) {
  const std::string book = PlainTable(4, 5);
  const ImportResult fast = Import(book, false, true);
  const ImportResult reference = Import(book, true, true);
  EXPECT_EQ(reference.result, 0);
  EXPECT_LT(fast.calls, reference.calls);
  ExpectSameMessages(reference, fast, "plain");
}

}  // namespace
}  // namespace vk
