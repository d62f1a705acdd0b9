// The members of the stand-in Range that read a cell's formats and text. For a range of
// several cells the stand-in answers as Excel does: the value the cells of the first area share,
// Null where they differ. Microsoft's pages say so for Text, HasFormula, WrapText, NumberFormat and
// MergeCells, and for the formatting properties of a range in general (Excel's "null values"
// page: "properties return null when a range contains multiple different values (like different
// font colors)"); Excel was seen doing the same for the Font, Interior, Border and alignment
// members (ck). A blank cell counts with the standard format. A stand-in told to refuse reads of
// several cells refuses those.
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

// What get answers for every cell of area, or nothing where the cells differ.
template <typename Get>
auto Common(const FakeSheet& sheet, const CellArea& area, Get get) -> decltype(get(FormatOf(nullptr))) {
  using Value = decltype(get(FormatOf(nullptr)));
  Value common;
  bool first = true, differ = false;
  int64_t listed = 0;
  auto take = [&](const FakeCellFormat& format) {
    const Value value = get(format);
    if (first) common = value, first = false;
    else differ = differ || value != common;
  };
  sheet.ForEachCellIn(area, [&](int32_t, int32_t, const FakeCell& cell) {
    ++listed;
    if (!differ) take(cell.format);
  });
  if (listed < area.Cells() && !differ) take(FormatOf(nullptr));
  return differ ? Value{} : common;
}

// One line of several cells' borders: the line their lines share, property by property.
FakeBorderLine CommonLine(const FakeSheet& sheet, const CellArea& area, int32_t index) {
  auto line = [index](const FakeCellFormat& format) {
    const auto it = format.borders.find(index);
    return (it == format.borders.end() ? FakeBorderLine{} : it->second).Resolved();
  };
  FakeBorderLine out;
  out.lineStyle = Common(sheet, area, [&](const FakeCellFormat& f) { return line(f).lineStyle; });
  out.weight = Common(sheet, area, [&](const FakeCellFormat& f) { return line(f).weight; });
  out.color = Common(sheet, area, [&](const FakeCellFormat& f) { return line(f).color; });
  return out;
}

// Properties of two lines: what both share.
FakeBorderLine Shared(const FakeBorderLine& a, const FakeBorderLine& b) {
  auto both = [](const std::optional<int32_t>& x, const std::optional<int32_t>& y) {
    return x == y ? x : std::nullopt;
  };
  return {both(a.lineStyle, b.lineStyle), both(a.weight, b.weight), both(a.color, b.color)};
}

// The lines of a range of several cells by XlBordersIndex (V:excel.xlbordersindex): an edge is
// the edge of the range, so the top edge is the top lines of its first row; the inside lines lie
// between its cells, each both one cell's right (or bottom) and the next one's left (or top)
// line; a diagonal crosses every cell.
std::map<int32_t, FakeBorderLine> RangeLines(const FakeSheet& sheet, const CellArea& area) {
  std::map<int32_t, FakeBorderLine> lines;
  lines[kXlDiagonalDown] = CommonLine(sheet, area, kXlDiagonalDown);
  lines[kXlDiagonalUp] = CommonLine(sheet, area, kXlDiagonalUp);
  lines[kXlEdgeLeft] = CommonLine(sheet, {area.row1, area.column1, area.row2, area.column1}, kXlEdgeLeft);
  lines[kXlEdgeRight] = CommonLine(sheet, {area.row1, area.column2, area.row2, area.column2}, kXlEdgeRight);
  lines[kXlEdgeTop] = CommonLine(sheet, {area.row1, area.column1, area.row1, area.column2}, kXlEdgeTop);
  lines[kXlEdgeBottom] = CommonLine(sheet, {area.row2, area.column1, area.row2, area.column2}, kXlEdgeBottom);
  // A range of one column has no inside vertical lines, nor one of one row inside horizontal
  // ones: Excel's answer is not documented, the stand-in's is none.
  lines[kXlInsideVertical] = area.Columns() < 2 ? FakeBorderLine{}.Resolved()
      : Shared(CommonLine(sheet, {area.row1, area.column1, area.row2, area.column2 - 1}, kXlEdgeRight),
               CommonLine(sheet, {area.row1, area.column1 + 1, area.row2, area.column2}, kXlEdgeLeft));
  lines[kXlInsideHorizontal] = area.Rows() < 2 ? FakeBorderLine{}.Resolved()
      : Shared(CommonLine(sheet, {area.row1, area.column1, area.row2 - 1, area.column2}, kXlEdgeBottom),
               CommonLine(sheet, {area.row1 + 1, area.column1, area.row2, area.column2}, kXlEdgeTop));
  return lines;
}

// An XlHAlign, XlVAlign, orientation or indent read of several cells: their common value, else Null.
Variant CommonNumber(const std::optional<int32_t>& value) { return value ? Variant::I4(*value) : Variant::Null(); }

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
  RefuseIfSeveralCells();
  const CellArea& area = First();
  FakeFill fill;
  fill.colorIndex = Common(*sheet_, area, [](const FakeCellFormat& f) { return f.fill.Resolved().colorIndex; });
  fill.color = Common(*sheet_, area, [](const FakeCellFormat& f) { return f.fill.Resolved().color; });
  fill.pattern = Common(*sheet_, area, [](const FakeCellFormat& f) { return f.fill.Resolved().pattern; });
  fill.patternColorIndex =
      Common(*sheet_, area, [](const FakeCellFormat& f) { return f.fill.Resolved().patternColorIndex; });
  return Variant::Object(std::make_shared<FakeInterior>(ExcelPtr(), fill));
}

// Every character of every cell of the first area: a property that differs anywhere is Null.
Variant FakeRange::Font(const FakeArgs&) {
  RefuseIfSeveralCells();
  const CellArea& area = First();
  const FakeFontFace& standard = Excel().Book().standardFont;
  // Only whether faces differ matters: each distinct face is kept once, so that the font of a
  // large area costs no memory per cell.
  std::vector<FakeFontFace> faces;
  auto add = [&faces](const std::vector<FakeFontFace>& cellFaces) {
    for (const FakeFontFace& face : cellFaces) {
      if (std::find(faces.begin(), faces.end(), face) == faces.end()) faces.push_back(face);
    }
  };
  int64_t listed = 0;  // the blank cells all have the standard font
  sheet_->ForEachCellIn(area, [&](int32_t, int32_t, const FakeCell& cell) {
    ++listed;
    add(CharacterFaces(&cell, standard));
  });
  if (listed < area.Cells()) add(CharacterFaces(nullptr, standard));
  return Variant::Object(std::make_shared<FakeFont>(ExcelPtr(), std::move(faces)));
}

Variant FakeRange::Borders(const FakeArgs&) {
  RefuseIfSeveralCells();
  const CellArea& area = First();
  if (area.Cells() > 1) return Variant::Object(FakeBorders::OfRange(ExcelPtr(), RangeLines(*sheet_, area)));
  const FakeCell* cell = sheet_->CellAt(area.row1, area.column1);
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

// Null when the formats differ (V:excel.range.numberformat).
Variant FakeRange::NumberFormat(const FakeArgs&) {
  RefuseIfSeveralCells();
  const auto format = Common(*sheet_, First(), [](const FakeCellFormat& f) { return std::optional(f.numberFormat); });
  return format ? Variant::String(*format) : Variant::Null();
}

Variant FakeRange::Orientation(const FakeArgs&) {
  RefuseIfSeveralCells();
  return CommonNumber(Common(*sheet_, First(), [](const FakeCellFormat& f) { return std::optional(f.orientation); }));
}

Variant FakeRange::IndentLevel(const FakeArgs&) {
  RefuseIfSeveralCells();
  return CommonNumber(Common(*sheet_, First(), [](const FakeCellFormat& f) { return std::optional(f.indentLevel); }));
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
  RefuseIfSeveralCells();
  return CommonNumber(
      Common(*sheet_, First(), [](const FakeCellFormat& f) { return std::optional(f.horizontalAlignment); }));
}

Variant FakeRange::VerticalAlignment(const FakeArgs&) {
  RefuseIfSeveralCells();
  return CommonNumber(
      Common(*sheet_, First(), [](const FakeCellFormat& f) { return std::optional(f.verticalAlignment); }));
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
