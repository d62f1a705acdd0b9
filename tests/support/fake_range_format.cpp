// The members of the stand-in Range that read a cell's formats and text. For a range of
// several cells the stand-in answers from its top-left cell except where noted: where Microsoft's
// pages say how Excel answers several cells (Text, HasFormula, WrapText, MergeCells), it answers
// so, Null where the cells differ. A stand-in told to refuse reads of several cells refuses those.
#include <algorithm>

#include "fake_borders.h"
#include "fake_cell_text.h"
#include "fake_characters.h"
#include "fake_excel.h"
#include "fake_font.h"
#include "fake_interior.h"
#include "fake_range.h"
#include "fake_sheet.h"

namespace vk::fake {
namespace {

const FakeCellFormat& FormatOf(const FakeCell* cell) {
  static const FakeCellFormat standard;
  return cell ? cell->format : standard;
}

// Beyond this many cells a range's font is taken from its top-left cell alone.
constexpr int64_t kFontCellLimit = 4096;

}  // namespace

void FakeRange::RefuseIfSeveralCells() const {
  if (Excel().RefusesMultiCellReads() && (areas_.size() > 1 || First().Cells() > 1)) Raise();
}

// True when every cell of the first area lies in a merged area, False when none does, Null
// otherwise (V:excel.range.mergecells: "True if the range contains merged cells"; ck: Null
// when only some do).
Variant FakeRange::MergeCells(const FakeArgs&) {
  RefuseIfSeveralCells();
  const CellArea& area = First();
  int64_t merged = 0;
  for (const CellArea& m : sheet_->mergedAreas) {
    const int64_t rows = std::min(m.row2, area.row2) - std::max(m.row1, area.row1) + 1;
    const int64_t columns = std::min(m.column2, area.column2) - std::max(m.column1, area.column1) + 1;
    if (rows > 0 && columns > 0) merged += rows * columns;
  }
  if (merged == 0) return Variant::Bool(false);
  if (merged == area.Cells()) return Variant::Bool(true);
  return Variant::Null();
}

Variant FakeRange::MergeArea(const FakeArgs&) {
  return Make({sheet_->MergeAreaOf(First().row1, First().column1)});
}

Variant FakeRange::Interior(const FakeArgs&) {
  const FakeCell* cell = sheet_->CellAt(First().row1, First().column1);
  return Variant::Object(std::make_shared<FakeInterior>(ExcelPtr(), FormatOf(cell).fill.Resolved()));
}

// Every character of every cell of the first area: a property that differs anywhere is Null.
Variant FakeRange::Font(const FakeArgs&) {
  const CellArea& area = First();
  std::vector<FakeFontFace> faces;
  if (area.Cells() > kFontCellLimit) {
    faces = CharacterFaces(sheet_->CellAt(area.row1, area.column1), Excel().Book().standardFont);
  } else {
    for (int32_t row = area.row1; row <= area.row2; ++row) {
      for (int32_t column = area.column1; column <= area.column2; ++column) {
        const std::vector<FakeFontFace> cell = CharacterFaces(sheet_->CellAt(row, column), Excel().Book().standardFont);
        faces.insert(faces.end(), cell.begin(), cell.end());
      }
    }
  }
  return Variant::Object(std::make_shared<FakeFont>(ExcelPtr(), std::move(faces)));
}

Variant FakeRange::Borders(const FakeArgs&) {
  const FakeCell* cell = sheet_->CellAt(First().row1, First().column1);
  return Variant::Object(FakeBorders::OfCell(ExcelPtr(), FormatOf(cell).borders));
}

// Several cells: their text when all show the same, otherwise Null (V:excel.range.text).
Variant FakeRange::Text(const FakeArgs&) {
  const CellArea& area = First();
  const std::u16string text = DisplayText(sheet_->CellAt(area.row1, area.column1));
  if (area.Cells() > 1) {
    int64_t listed = 0;  // cells of the area the sheet holds; the others are blank
    bool differ = false;
    sheet_->ForEachCellIn(area, [&](int32_t, int32_t, const FakeCell& cell) {
      ++listed;
      differ = differ || DisplayText(&cell) != text;
    });
    if (differ || (listed < area.Cells() && !text.empty())) return Variant::Null();
  }
  return Variant::String(text);
}

// True when every cell has a formula, False when none has, Null otherwise (V:excel.range.hasformula).
Variant FakeRange::HasFormula(const FakeArgs&) {
  RefuseIfSeveralCells();
  const CellArea& area = First();
  int64_t withFormula = 0;
  sheet_->ForEachCellIn(area, [&](int32_t, int32_t, const FakeCell& cell) {
    if (!cell.format.formula.empty()) ++withFormula;
  });
  if (withFormula == 0) return Variant::Bool(false);
  if (withFormula == area.Cells()) return Variant::Bool(true);
  return Variant::Null();
}

// The formula with "=", the constant as text, "" for a blank cell (V:excel.range.formula).
Variant FakeRange::Formula(const FakeArgs&) {
  const FakeCell* cell = sheet_->CellAt(First().row1, First().column1);
  if (cell && !cell->format.formula.empty()) return Variant::String(cell->format.formula);
  return Variant::String(cell ? ConstantText(cell->value) : std::u16string());
}

Variant FakeRange::NumberFormat(const FakeArgs&) {
  return Variant::String(FormatOf(sheet_->CellAt(First().row1, First().column1)).numberFormat);
}

Variant FakeRange::Orientation(const FakeArgs&) {
  return Variant::I4(FormatOf(sheet_->CellAt(First().row1, First().column1)).orientation);
}

Variant FakeRange::IndentLevel(const FakeArgs&) {
  return Variant::I4(FormatOf(sheet_->CellAt(First().row1, First().column1)).indentLevel);
}

// True when every cell wraps, False when none does, Null otherwise (V:excel.range.wraptext).
Variant FakeRange::WrapText(const FakeArgs&) {
  RefuseIfSeveralCells();
  const CellArea& area = First();
  int64_t listed = 0, wrapping = 0;  // cells the sheet holds; the others have the standard format
  for (const auto& [position, cell] : sheet_->Cells()) {
    if (!area.Contains(position.first, position.second)) continue;
    ++listed;
    if (cell.format.wrapText) ++wrapping;
  }
  if (wrapping == 0) return Variant::Bool(false);
  if (wrapping == area.Cells() && listed == area.Cells()) return Variant::Bool(true);
  return Variant::Null();
}

Variant FakeRange::HorizontalAlignment(const FakeArgs&) {
  return Variant::I4(FormatOf(sheet_->CellAt(First().row1, First().column1)).horizontalAlignment);
}

Variant FakeRange::VerticalAlignment(const FakeArgs&) {
  return Variant::I4(FormatOf(sheet_->CellAt(First().row1, First().column1)).verticalAlignment);
}

// Characters(Start, Length) of the top-left cell: Start 1 and Length to the end when omitted
// (V:excel.range.characters); a Start below 1 is refused (ck).
Variant FakeRange::Characters(const FakeArgs& args) {
  const int32_t start = args.Has(0) ? args[0].ToInt32() : 1;
  const int32_t length = args.Has(1) ? args[1].ToInt32() : -1;
  if (start < 1 || (args.Has(1) && length < 0)) Raise();
  const FakeSheet* sheet = sheet_;
  const int32_t row = First().row1;
  const int32_t column = First().column1;
  const FakeFontFace standard = Excel().Book().standardFont;
  auto content = [sheet, row, column, standard] {
    const FakeCell* cell = sheet->CellAt(row, column);
    return FakeCharacterContent{DisplayText(cell), CharacterFaces(cell, standard), FormatOf(cell).font.Over(standard)};
  };
  return Variant::Object(std::make_shared<FakeCharacters>(ExcelPtr(), std::move(content), start, length,
                                                         /*ofCell=*/true));
}

}  // namespace vk::fake
