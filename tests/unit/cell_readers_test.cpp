// The cell readers in condition mode, as the conditional-format step uses them: a condition's
// fill, borders and font written over what the cell's own formats put in the record.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "excel/borders.h"
#include "excel/font.h"
#include "excel/interior.h"
#include "excel/range.h"
#include "excel/workbook.h"
#include "fake_borders.h"
#include "fake_excel.h"
#include "fake_font.h"
#include "fake_interior.h"
#include "import/cell_borders.h"
#include "import/cell_fill.h"
#include "import/cell_font.h"
#include "import/import_driver.h"
#include "link/cell_record.h"

namespace vk {
namespace {

// A record as the cell's own formats left it: thin black edges, bold, red text, a yellow fill
// with a grey pattern colour.
CellRecord CellOwn() {
  CellRecord r{};
  r.size = kCellRecordSize;
  for (EdgeStyle* edge : {&r.leftEdge, &r.topEdge, &r.rightEdge, &r.bottomEdge}) *edge = {1, 2, 0, 0, {}};
  r.diagonalDown = {1, 2, 0};
  r.bold = 1;
  r.fontColor = 0x0000FF;
  r.fontSize = 11;
  r.underline = -4142;
  r.fillColor = 0x00FFFF;
  r.fillColorIndex = 6;
  r.fillPattern = 1;
  r.patternColor = 0x808080;
  SetField(r.fontName, u"Calibri");
  return r;
}

struct Readers : ::testing::Test {
  std::shared_ptr<fake::FakeExcel> excel = fake::FakeExcel::Create();
  CImportDriver addin;
  void SetUp() override { addin.m_nExcelVersion = 16; }
};

// Excel addresses a condition's edges as xlLeft, xlTop, xlRight and xlBottom and has no
// diagonals for it; an edge the condition leaves unset (Null) keeps the cell's line.
TEST_F(Readers, ConditionBordersUseTheirOwnIndicesAndMarkWhatTheyWrote) {
  std::map<int32_t, fake::FakeBorderLine> lines;
  lines[-4160] = {-4115, 1, 0xFF0000};  // top: dashed hairline, blue
  lines[-4107] = {-4142, std::nullopt, std::nullopt};  // bottom: no line
  lines[-4131] = {std::nullopt, std::nullopt, std::nullopt};  // left: not set by the condition
  lines[-4152] = {1, 2, std::nullopt};  // right: colour not set
  auto borders = std::make_shared<fake::FakeBorders>(excel, lines, std::vector<int32_t>{-4131, -4160, -4152, -4107});

  CellRecord record = CellOwn();
  ReadBorders(addin.Session(), record, excel::Borders(borders), FormatSource::Condition, Gridlines::NotPrinted);
  CellRecord want = CellOwn();
  want.topEdge = {-4115, 1, 0xFF0000, 1, {}};
  want.bottomEdge = {-4142, 2, 0, 1, {}};  // no line: weight and colour stay the cell's
  want.rightEdge = {1, 2, 0, 1, {}};
  EXPECT_EQ(std::memcmp(&record, &want, sizeof record), 0);
  EXPECT_EQ(excel->CallCount("Borders.Item"), 4u);  // never the diagonals

  // The same collection read in cell mode is refused at its first index: nothing is written.
  CellRecord cellMode = CellOwn();
  ReadBorders(addin.Session(), cellMode, excel::Borders(borders), FormatSource::Cell, Gridlines::Printed);
  want = CellOwn();
  EXPECT_EQ(std::memcmp(&cellMode, &want, sizeof cellMode), 0);
}

// A condition's font sets only what it changes; size, name and the scripts are never read.
TEST_F(Readers, ConditionFontWritesOnlyWhatTheConditionSets) {
  fake::FakeFontFace face;
  face.italic = true;
  face.underline = 2;
  face.color = 0x00FF00;
  auto font = std::make_shared<fake::FakeFont>(excel, std::vector<fake::FakeFontFace>{face});
  CellRecord record = CellOwn();
  ReadCellFont(addin.Session(), record, excel::Font(font), excel::Range(), FormatSource::Condition);
  CellRecord want = CellOwn();
  want.italic = 1;
  want.underline = 2;
  want.fontColor = 0x00FF00;
  EXPECT_EQ(std::memcmp(&record, &want, sizeof record), 0);
  for (const char* member : {"Font.Size", "Font.Name", "Font.Superscript", "Font.Subscript"}) {
    EXPECT_EQ(excel->CallCount(member), 0u) << member;
  }
  EXPECT_EQ(excel->CallCount("Range.Characters"), 0u);
}

// A condition's fill: the colour and pattern it sets; a colour index it leaves unset ends the
// colour block, and an unset pattern colour reads as none (-4142), sent as 0.
TEST_F(Readers, ConditionFillOverwritesTheCellsFill) {
  auto workbook = excel->Application()->Get(u"ActiveWorkbook").ObjectValue();
  {
    fake::FakeFill fill;
    fill.colorIndex = 4;
    fill.color = 0x00FF00;
    fill.pattern = 1;
    CellRecord record = CellOwn();
    ReadFill(addin.Session(), record, excel::Interior(std::make_shared<fake::FakeInterior>(excel, fill)), excel::Workbook(workbook));
    CellRecord want = CellOwn();
    want.fillColorIndex = 4;
    want.fillColor = 0x00FF00;
    want.patternColor = 0;  // a pattern colour the condition leaves unset reads as none
    EXPECT_EQ(std::memcmp(&record, &want, sizeof record), 0);
  }
  {
    fake::FakeFill fill;
    fill.pattern = 9;
    fill.patternColorIndex = 3;
    CellRecord record = CellOwn();
    addin.m_nExcelVersion = 11;  // before 12 the colour would come from the palette
    ReadFill(addin.Session(), record, excel::Interior(std::make_shared<fake::FakeInterior>(excel, fill)), excel::Workbook(workbook));
    CellRecord want = CellOwn();
    want.fillPattern = 9;
    want.patternColor = 0x0000FF;  // palette entry 3
    EXPECT_EQ(std::memcmp(&record, &want, sizeof record), 0);
  }
}

}  // namespace
}  // namespace vk
