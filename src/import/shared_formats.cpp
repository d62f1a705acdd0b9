#include "import/shared_formats.h"

#include "excel/borders.h"
#include "excel/excel_constants.h"
#include "excel/font.h"
#include "excel/interior.h"
#include "excel/range.h"
#include "import/excel_value.h"
#include "link/cell_record.h"

namespace vk {
namespace {

// The plain values a cell's own read answers; anything else is left to the cells. A real number
// must convert as the cells' values do (a 32-bit integer): shared by every cell, one that does not
// would fail each cell's reading where the cell's own answer might not.
bool IsNumber(const Variant& v) {
  switch (v.Type()) {
    case VarType::I2: case VarType::I4:
      return true;
    case VarType::R4: case VarType::R8: {
      const double d = v.ToDouble();
      return d > -2147483648.0 && d < 2147483647.0;  // false for NaN too
    }
    default:
      return false;
  }
}
bool IsBool(const Variant& v) { return v.Type() == VarType::Bool; }
bool IsText(const Variant& v) { return v.Type() == VarType::Bstr; }

// Reads one property into fact unless it is known; keeps the answer if it is a plain value.
template <typename Object, typename Accept>
void Take(Variant& fact, const Object& object, Variant (Object::*read)() const, Accept accept) {
  if (!fact.IsEmpty()) return;
  TryAreaRead([&] {
    Variant answer = (object.*read)();
    if (accept(answer)) fact = std::move(answer);
  });
}

void ReadFont(const excel::Range& range, FontFacts& f) {
  if (f.Complete()) return;
  TryAreaRead([&] {
    const excel::Font font = range.Font();
    if (!font) return;
    Take(f.bold, font, &excel::Font::Bold, IsBool);
    Take(f.italic, font, &excel::Font::Italic, IsBool);
    Take(f.underline, font, &excel::Font::Underline, IsNumber);
    Take(f.strikethrough, font, &excel::Font::Strikethrough, IsBool);
    Take(f.color, font, &excel::Font::Color, IsNumber);
    Take(f.size, font, &excel::Font::Size, IsNumber);
    Take(f.superscript, font, &excel::Font::Superscript, IsBool);
    Take(f.subscript, font, &excel::Font::Subscript, IsBool);
    Take(f.name, font, &excel::Font::Name, IsText);
  });
}

void ReadFill(const excel::Range& range, FillFacts& f) {
  if (f.Complete()) return;
  TryAreaRead([&] {
    const excel::Interior interior = range.Interior();
    if (!interior) return;
    Take(f.colorIndex, interior, &excel::Interior::ColorIndex, IsNumber);
    Take(f.color, interior, &excel::Interior::Color, IsNumber);
    Take(f.pattern, interior, &excel::Interior::Pattern, IsNumber);
    Take(f.patternColorIndex, interior, &excel::Interior::PatternColorIndex, IsNumber);
  });
}

void ReadAlignment(const excel::Range& range, AlignmentFacts& a) {
  Take(a.orientation, range, &excel::Range::OrientationOfAll, IsNumber);
  Take(a.indentLevel, range, &excel::Range::IndentLevelOfAll, IsNumber);
  Take(a.horizontal, range, &excel::Range::HorizontalAlignmentOfAll, IsNumber);
  Take(a.vertical, range, &excel::Range::VerticalAlignmentOfAll, IsNumber);
}

// One line of borders: its weight and colour only where a cell would read them too (a drawn
// edge; a diagonal always).
void ReadLine(const excel::Borders& borders, int32_t index, LineFacts& line, bool diagonal) {
  if (diagonal ? line.CompleteDiagonal() : line.CompleteEdge()) return;
  TryAreaRead([&] {
    const excel::Border border = borders.Item(index);
    if (!border) return;
    Take(line.lineStyle, border, &excel::Border::LineStyle, IsNumber);
    if (!diagonal && (line.lineStyle.IsEmpty() || line.lineStyle.ToInt32() == kXlNone)) return;
    Take(line.weight, border, &excel::Border::Weight, IsNumber);
    Take(line.color, border, &excel::Border::Color, IsNumber);
  });
}

template <typename Lines>
void ReadLines(const excel::Range& range, Lines lines) {
  TryAreaRead([&] {
    const excel::Borders borders = range.Borders();
    if (borders) lines(borders);
  });
}

bool Known(const Variant& v) { return !v.IsEmpty(); }

}  // namespace

bool FontFacts::Complete() const {
  return Known(bold) && Known(italic) && Known(underline) && Known(strikethrough) && Known(color) && Known(size) &&
         Known(superscript) && Known(subscript) && Known(name);
}

bool FillFacts::Complete() const {
  return Known(colorIndex) && Known(color) && Known(pattern) && Known(patternColorIndex);
}

bool LineFacts::CompleteEdge() const {
  return Known(lineStyle) && (lineStyle.ToInt32() == kXlNone || (Known(weight) && Known(color)));
}

bool LineFacts::CompleteDiagonal() const { return Known(lineStyle) && Known(weight) && Known(color); }

bool BorderFacts::Complete() const {
  return top.CompleteEdge() && bottom.CompleteEdge() && left.CompleteEdge() && right.CompleteEdge() &&
         diagonalDown.CompleteDiagonal() && diagonalUp.CompleteDiagonal();
}

void ReadSharedFormats(const excel::Range& range, SharedFormats& facts) {
  ReadFont(range, facts.font);
  ReadFill(range, facts.fill);
  ReadAlignment(range, facts.alignment);
  BorderFacts& b = facts.borders;
  if (b.diagonalDown.CompleteDiagonal() && b.diagonalUp.CompleteDiagonal()) return;
  ReadLines(range, [&](const excel::Borders& borders) {
    ReadLine(borders, excel::kXlDiagonalDown, b.diagonalDown, true);
    ReadLine(borders, excel::kXlDiagonalUp, b.diagonalUp, true);
  });
}

void ReadRowLines(const excel::Range& row, BorderFacts& lines) {
  if (lines.top.CompleteEdge() && lines.bottom.CompleteEdge()) return;
  ReadLines(row, [&](const excel::Borders& borders) {
    ReadLine(borders, excel::kXlEdgeTop, lines.top, false);
    ReadLine(borders, excel::kXlEdgeBottom, lines.bottom, false);
  });
}

void ReadColumnLines(const excel::Range& column, LineFacts& left, LineFacts& right) {
  ReadLines(column, [&](const excel::Borders& borders) {
    ReadLine(borders, excel::kXlEdgeLeft, left, false);
    ReadLine(borders, excel::kXlEdgeRight, right, false);
  });
}

}  // namespace vk
