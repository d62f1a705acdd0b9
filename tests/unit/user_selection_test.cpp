// The user's selection and active cell after an import, whatever Excel answers on the way:
// conditions are evaluated with their cell active, and the cells the user left selected and
// active must be selected and active again afterwards, or never moved at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "cell_area.h"
#include "import_rig.h"
#include "link/cell_record.h"
#include "sweep_checks.h"

namespace vk {
namespace {

using Unexpected = fake::FakeExcel::Unexpected;

constexpr int32_t kExcelError = static_cast<int32_t>(0x800A03EC);
constexpr int kBusy = static_cast<int>(0x800AC472);

// B3:C5 selected with C3 active; the two rules of B3:C5 hold for C4 (a 7) and need their cell
// active, a cell-value rule for the fill and an expression for the font.
constexpr const char* kBook = R"({"selection": "B3:C5", "activeCell": "C3",
  "sheets": [{"name": "Plant", "cells": {"B3": 1, "C3": "x", "C4": 7, "C5": 0},
    "conditionalFormats": [
      {"appliesTo": "B3:C5", "type": "cellValue", "operator": "greater", "formula1": "=5",
       "fill": {"color": "#FF0000"}},
      {"appliesTo": "B3:C5", "type": "expression", "formula1": "=B3>5", "font": {"bold": true}}]}]})";

void ExpectUserCellsKept(const test::ImportRig& rig) {
  const fake::FakeBook& book = rig.excel->Book();
  ASSERT_EQ(book.selection.areas.size(), 1u);
  const fake::CellArea& area = book.selection.areas.front();
  EXPECT_EQ((std::vector<int32_t>{area.row1, area.column1, area.row2, area.column2}),
            (std::vector<int32_t>{3, 2, 5, 3}));
  EXPECT_EQ(book.activeRow, 3);
  EXPECT_EQ(book.activeColumn, 3);
}

struct CellLook {
  int32_t fillColor;
  uint8_t bold;
};

CellLook LookOf(const test::ImportRig& rig, std::u16string_view address) {
  for (const auto& m : rig.link.messages) {
    if (m.kind != kWmCopyData || m.cbData != sizeof(CellRecord)) continue;
    CellRecord record;
    std::memcpy(&record, m.bytes.data(), sizeof record);
    if (std::u16string_view(record.address) == address) return {record.fillColor, record.bold};
  }
  ADD_FAILURE() << "no record";
  return {};
}

// When Excel does not tell the active cell or the selection, no cell is activated: the rules
// that need their cell active count as not holding and the cell keeps its own formats.
TEST(UserSelection, UnreadableActiveCellOrSelectionMovesNothing) {
  const struct {
    const char* name;
    const char* member;
    std::optional<Unexpected> answer;  // none: the call fails
    int32_t fill;
    uint8_t bold;
  } cases[] = {
      {"both readable", "Application.Version", Unexpected::WrongType, 0x0000FF, 1},
      {"active cell fails", "Application.ActiveCell", std::nullopt, 0xFFFFFF, 0},
      {"active cell is a number", "Application.ActiveCell", Unexpected::WrongType, 0xFFFFFF, 0},
      {"active cell is Nothing", "Application.ActiveCell", Unexpected::Nothing, 0xFFFFFF, 0},
      {"active cell is Empty", "Application.ActiveCell", Unexpected::Empty, 0xFFFFFF, 0},
      {"selection fails", "Application.Selection", std::nullopt, 0xFFFFFF, 0},
      {"selection is a number", "Application.Selection", Unexpected::WrongType, 0xFFFFFF, 0},
      {"selection is Nothing", "Application.Selection", Unexpected::Nothing, 0xFFFFFF, 0},
      {"selection is Empty", "Application.Selection", Unexpected::Empty, 0xFFFFFF, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::ImportRig rig(kBook);
    if (c.answer) {
      rig.excel->AnswerMember(c.member, *c.answer);
    } else {
      rig.excel->FailMember(c.member, kExcelError);
    }
    ASSERT_EQ(rig.Run(0), 0);
    EXPECT_TRUE(rig.messages.shown.empty());
    const CellLook c4 = LookOf(rig, u"$C$4");
    EXPECT_EQ(c4.fillColor, c.fill);
    EXPECT_EQ(c4.bold, c.bold);
    ExpectUserCellsKept(rig);
    if (c.fill == 0xFFFFFF) {
      // Asked once: the rest of the import does not move the cells either.
      EXPECT_EQ(rig.excel->CallCount("Range.Activate"), 0u);
      EXPECT_EQ(rig.excel->CallCount(c.member), 1u);
    }
  }
  // The next import asks again.
  test::ImportRig rig(kBook);
  rig.excel->FailMember("Application.ActiveCell", kExcelError);
  ASSERT_EQ(rig.Run(0), 0);
  rig.excel->ClearFaults();
  rig.link.messages.clear();
  ASSERT_EQ(rig.Run(0), 0);
  EXPECT_EQ(LookOf(rig, u"$C$4").fillColor, 0x0000FF);
}

TEST(UserSelection, BusyWhileReadingTheActiveCellEndsTheImport) {
  test::ImportRig rig(kBook);
  rig.excel->FailMember("Application.ActiveCell", kBusy);
  EXPECT_EQ(rig.Run(0), kBusy);
  EXPECT_TRUE(rig.messages.shown.empty());
  ExpectUserCellsKept(rig);
}

// Each automation call of an import, in a run of its own, fails or answers a wrong type,
// Nothing or Empty: never a crash, screen updating back on, no progress window left, a result
// the failure table allows, and the user's cells selected and active as before, unless the
// disturbed call was one of those putting them back.
void ExpectEveryFailingOrOddCallToKeepTheUserCells(int selected) {
  const std::optional<Unexpected> answers[] = {std::nullopt, Unexpected::WrongType, Unexpected::Nothing,
                                               Unexpected::Empty};
  size_t calls = 0;
  {
    test::ImportRig probe(kBook);
    ASSERT_EQ(probe.Run(selected), 0);
    calls = probe.excel->CallCount();
    ASSERT_GT(probe.excel->CallCount("Range.Activate"), 0u);
  }
  for (size_t k = 1; k <= calls; ++k) {
    for (const auto& answer : answers) {
      SCOPED_TRACE(testing::Message() << "selected " << selected << ", call " << k << ", answer "
                                      << (answer ? static_cast<int>(*answer) : -1));
      test::ImportRig rig(kBook);
      if (answer) {
        rig.excel->AnswerCallAt(k, *answer);
      } else {
        rig.excel->FailCallAt(k, kExcelError);
      }
      const int result = rig.Run(selected);
      const auto& log = rig.excel->Calls();
      ASSERT_GE(log.size(), k);
      const std::string& key = log[k - 1].key;
      EXPECT_EQ(rig.progress.alive, 0);
      // A failed switch of screen updating is ignored, the one switching it back included.
      if (key != "Application.ScreenUpdating") {
        EXPECT_EQ(rig.excel->screenUpdatingPuts.back(), true);
      }
      EXPECT_TRUE(result == 0 || result == 1348 || result == 1363 || result == 1375 || result == 1534 ||
                  test::IsStepMark(result))
          << result;
      if (result == 0) {
        EXPECT_EQ(rig.Ends(), std::vector<int64_t>{1});
      } else {
        EXPECT_TRUE(rig.Ends().empty());
        EXPECT_EQ(rig.messages.shown.size(), 1u);
      }
      const bool restoring =
          key == "Range.Select" ||
          (key == "Range.Activate" &&
           std::none_of(log.begin() + static_cast<std::ptrdiff_t>(k), log.end(),
                        [](const auto& call) { return call.key == "Range.Activate"; }));
      if (!restoring || answer) ExpectUserCellsKept(rig);
    }
  }
}

// One case per command: under Wine each takes half a minute, and the test program runs in shards.
TEST(UserSelection, AnyCallFailingOrAnsweringOddlyInAWorksheetImportLeavesTheUserCellsAsTheyWere) {
  ExpectEveryFailingOrOddCallToKeepTheUserCells(0);
}

TEST(UserSelection, AnyCallFailingOrAnsweringOddlyInARangeImportLeavesTheUserCellsAsTheyWere) {
  ExpectEveryFailingOrOddCallToKeepTheUserCells(1);
}

}  // namespace
}  // namespace vk
