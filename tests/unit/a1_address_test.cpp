// Absolute A1 addresses and the rewriting of a condition's formula for one cell.
#include "import/a1_address.h"

#include <gtest/gtest.h>

#include <string>

#include "recording_messages.h"
#include "utf_text.h"

namespace vk {
namespace {

using fake::Utf8;

constexpr char16_t kNotPositive[] = u"The row index and column index should be a positive number.";

TEST(A1Address, MakesAbsoluteAddressesWithOneToThreeLetters) {
  const struct {
    int32_t row, column;
    std::u16string expected;
  } cases[] = {
      {5, 1, u"$A$5"},     {3, 26, u"$Z$3"},        {1, 27, u"$AA$1"},       {40, 52, u"$AZ$40"},
      {9, 702, u"$ZZ$9"},  {2, 703, u"$AAA$2"},     {1048576, 16384, u"$XFD$1048576"},
  };
  test::RecordingMessages user;
  for (const auto& c : cases) EXPECT_EQ(MakeAbsoluteAddress(c.row, c.column), c.expected) << c.row << "," << c.column;
  EXPECT_TRUE(user.shown.empty());
}

TEST(A1Address, RowOrColumnBelowOneTellsTheUserAndGivesNoText) {
  for (const auto& [row, column] : {std::pair{0, 3}, std::pair{3, 0}, std::pair{-2, -7}}) {
    test::RecordingMessages user;
    EXPECT_EQ(MakeAbsoluteAddress(row, column), u"");
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, kNotPositive);
    EXPECT_EQ(user.shown[0].style, kMbOk | kMbIconWarning);
  }
}

TEST(A1Address, ParsesTheCellAtTheFirstDollar) {
  const struct {
    std::u16string text;
    bool ok;
    int32_t row, column;
  } cases[] = {
      {u"$B$3", true, 3, 2},
      {u"$AB$12", true, 12, 28},
      {u"$ab$12", true, 12, 28},
      {u"$XFD$1048576", true, 1048576, 16384},
      {u"$A$1:$C$9", true, 1, 1},        // the first corner of a range
      {u"Sheet1!$C$4", true, 4, 3},
      {u"$C4", true, 4, 3},              // the row's "$" may be missing
      {u"$B", true, 0, 2},               // no digits: row 0, for the caller to refuse
      {u"", false, 0, 0},
      {u"B3", false, 0, 0},              // nothing absolute
      {u"$3$4", false, 0, 0},            // no column letter
      {u"$ABCD$1", false, 0, 0},         // four letters name no column
  };
  for (const auto& c : cases) {
    int32_t row = -1, column = -1;
    EXPECT_EQ(ParseAbsoluteCell(c.text, &row, &column), c.ok) << Utf8(c.text);
    if (c.ok) {
      EXPECT_EQ(row, c.row) << Utf8(c.text);
      EXPECT_EQ(column, c.column) << Utf8(c.text);
    }
    int32_t startRow = -1, startColumn = -1;
    EXPECT_EQ(ParseRangeStart(c.text, &startRow, &startColumn), c.ok) << Utf8(c.text);
    if (c.ok) {
      EXPECT_EQ(std::pair(startRow, startColumn), std::pair(row, column)) << Utf8(c.text);
    }
  }
}

TEST(A1Address, RebasesOneReferenceFromTheTopLeftToTheCell) {
  const struct {
    std::u16string token;
    int32_t cellRow, cellColumn, topRow, topColumn;
    std::u16string expected;
  } cases[] = {
      {u"A1", 4, 1, 1, 1, u"$A$4"},
      {u"$A1", 4, 1, 1, 1, u"$A$4"},      // only the row moves
      {u"A$1", 4, 3, 1, 1, u"$C$1"},      // only the column moves
      {u"$A$1", 4, 3, 1, 1, u"$A$1"},     // nothing relative
      {u"B10", 4, 1, 1, 1, u"$B$13"},
      {u"C3", 7, 5, 3, 3, u"$E$7"},
      {u"ZZ9", 1, 2, 1, 1, u"$AAA$9"},    // moved past ZZ: three letters
      {u"b2", 3, 3, 1, 1, u"$D$4"},
      {u"B2", 7, 3, 0, 0, u"$C$7"},       // no corner: the cell itself
      {u"AND", 4, 1, 1, 1, u"AND"},
      {u"R2D2", 4, 1, 1, 1, u"R2D2"},     // a name, not a cell with a tail
      {u"A0", 4, 1, 1, 1, u"A0"},
      {u"ZZZ1", 4, 1, 1, 1, u"ZZZ1"},     // beyond the last column: a name
      {u"A1048577", 4, 1, 1, 1, u"A1048577"},
      {u"1A", 4, 1, 1, 1, u"1A"},
      {u"$$A1", 4, 1, 1, 1, u"$$A1"},
  };
  test::RecordingMessages user;
  for (const auto& c : cases) {
    EXPECT_EQ(RebaseReference(c.token, c.cellRow, c.cellColumn, c.topRow, c.topColumn), c.expected)
        << Utf8(c.token);
  }
  EXPECT_TRUE(user.shown.empty());
}

TEST(A1Address, AReferenceMovedOffTheSheetFallsBackToTheCell) {
  const struct {
    std::u16string token;
    int32_t cellRow, cellColumn, topRow, topColumn;
    std::u16string expected, message;
  } cases[] = {
      {u"A1", 2, 5, 3, 1, u"$E$2", u"Failed to get the absolute address: 2, 5."},        // above row 1
      {u"A1", 2, 5, 1, 6, u"$E$2", u"Failed to get the absolute address: 2, 5."},        // left of column A
      {u"XFD1", 1, 3, 1, 1, u"$C$1", u"Failed to get the absolute address: 1, 3."},      // right of XFD
      {u"A1048576", 5, 1, 1, 1, u"$A$5", u"Failed to get the absolute address: 5, 1."},  // below the last row
  };
  for (const auto& c : cases) {
    test::RecordingMessages user;
    EXPECT_EQ(RebaseReference(c.token, c.cellRow, c.cellColumn, c.topRow, c.topColumn), c.expected)
        << Utf8(c.token);
    ASSERT_EQ(user.shown.size(), 1u) << Utf8(c.token);
    EXPECT_EQ(user.shown[0].text, c.message);
    EXPECT_EQ(user.shown[0].style, kMbOk | kMbIconWarning);
  }
}

TEST(A1Address, RebasesEveryReferenceOfAFormula) {
  const struct {
    std::u16string formula, cell, appliesTo;
    std::u16string expected;
  } cases[] = {
      {u"=A1>5", u"$A$4", u"$A$1:$A$10", u"=$A$4>5"},
      {u"=$A1+A$1+$A$1", u"$A$4", u"$A$1:$A$10", u"=$A$4+$A$1+$A$1"},
      {u"=B10", u"$A$4", u"$A$1:$A$10", u"=$B$13"},  // the reference that ends the formula
      {u"=AND(A1>0,SUM(B1:B3)<10)", u"$A$3", u"$A$1:$A$10", u"=AND($A$3>0,SUM($B$3:$B$5)<10)"},
      {u"=A+B*2", u"$A$3", u"$A$1:$A$10", u"=A+B*2"},  // one-letter tokens
      {u"=ABCDEFGHIJKL1>0", u"$A$3", u"$A$1", u"=ABCDEFGHIJKL1>0"},  // 13 characters: no reference
      {u"=A1=\"A1\"", u"$B$2", u"$A$1:$C$3", u"=$B$2=\"A1\""},       // text constants stay
      {u"=A1&\"say \"\"B2\"\"\"", u"$A$2", u"$A$1", u"=$A$2&\"say \"\"B2\"\"\""},
      {u"='Q1 B2'!A1>0", u"$A$2", u"$A$1", u"='Q1 B2'!$A$2>0"},     // quoted sheet names stay
      {u"=Data!B1>0", u"$A$2", u"$A$1", u"=Data!$B$2>0"},
      {u"=LOG10(A1)>1", u"$A$2", u"$A$1", u"=LOG10($A$2)>1"},        // a function, not column LOG
      {u"=Rate_A1*A1", u"$A$2", u"$A$1", u"=Rate_A1*$A$2"},          // names keep their cells
      {u"=1.5E3<A1", u"$A$2", u"$A$1", u"=1.5E3<$A$2"},
      {u"=B2", u"$C$4", u" $C$4:$D$5 , $B$2", u"=$C$4"},              // corner from a single-cell part
      {u"=B2", u"$C$6", u"$C$2:$C$9,$A$5:$A$6", u"=$D$6"},            // smallest row and column apart
      {u"=A5", u"$A$70002", u"$A$70000:$A$70010", u"=$A$7"},      // rows past 65535
      {u"=A1>5", u"$AAA$2", u"$AAA$1:$AAA$3", u"=$A$2>5"},
      {u"=A1>5", u"$A$4", u"$A$4", u"=$A$1>5"},  // the cell as its own corner: absolute in place
      // 1023 characters are rewritten (this one shrinks); the rewriting may end at 1023.
      {u"=$A1000+" + std::u16string(1015, u'1'), u"$A$4", u"$A$1000", u"=$A$4+" + std::u16string(1015, u'1')},
      {u"=A1+" + std::u16string(1017, u'1'), u"$A$4", u"$A$1", u"=$A$4+" + std::u16string(1017, u'1')},
  };
  test::RecordingMessages user;
  for (const auto& c : cases) {
    EXPECT_EQ(RebaseFormula(c.formula, c.cell, c.appliesTo, 16), c.expected) << Utf8(c.formula.substr(0, 20));
  }
  // Excel 12 is the first version that rewrites.
  EXPECT_EQ(RebaseFormula(u"=A1>5", u"$A$4", u"$A$1:$A$10", 12), u"=$A$4>5");
  EXPECT_TRUE(user.shown.empty());
}

TEST(A1Address, LeavesTheFormulaAsReadWhereItCannotRebase) {
  const std::u16string longFormula = u"=$A1000+" + std::u16string(1016, u'1');  // 1024 characters
  const std::u16string growing = u"=A1+" + std::u16string(1018, u'1');  // 1024 once rewritten
  const struct {
    std::u16string formula, cell, appliesTo;
    int32_t version;
  } cases[] = {
      {u"=A1>5", u"$A$4", u"$A$1:$A$10", 11},  // before Excel 12
      {u"=A1>5", u"", u"$A$1:$A$10", 16},
      {u"=A1>5", u"$", u"$A$1:$A$10", 16},
      {u"=A1>5", u"A4", u"$A$1:$A$10", 16},    // a cell address that is not absolute
      {u"=A1>5", u"$A", u"$A$1:$A$10", 16},    // row 0
      {longFormula, u"$A$4", u"$A$1000", 16},
      {growing, u"$A$4", u"$A$1", 16},
  };
  test::RecordingMessages user;
  for (const auto& c : cases) {
    EXPECT_EQ(RebaseFormula(c.formula, c.cell, c.appliesTo, c.version), c.formula) << Utf8(c.formula.substr(0, 20));
  }
  EXPECT_TRUE(user.shown.empty());
}

TEST(A1Address, AnUnreadableAppliesToCountsAsCornerZero) {
  // The part reads as row 0 and column 0: relative references collapse onto the cell.
  test::RecordingMessages user;
  EXPECT_EQ(RebaseFormula(u"=B9>0", u"$C$4", u"Q:Q", 16), u"=$C$4>0");
  EXPECT_TRUE(user.shown.empty());
  // Nothing at all: no corner within the sheet, every relative reference falls off it.
  EXPECT_EQ(RebaseFormula(u"=B9>0", u"$C$4", u"", 16), u"=$C$4>0");
  ASSERT_EQ(user.shown.size(), 1u);
  EXPECT_EQ(user.shown[0].text, u"Failed to get the absolute address: 4, 3.");
}

}  // namespace
}  // namespace vk
