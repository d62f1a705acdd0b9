#pragma once
#include "automation/variant.h"
#include "import/excel_value.h"

namespace vk {

namespace excel {
class Range;
}

// What the cells of an area, of one of its rows or of one of its columns share, read once for
// all of them, so that a cell reads only what may differ. A property stays Empty where it was not
// read, where the read failed, or where Excel answered anything but a plain value of the
// property's type (Null: the cells differ); each cell then reads it itself, as if nothing were
// shared, and its record is the same.
//
// Excel answers a property of several cells with the value they share and Null where they differ:
// Range.HasFormula, Range.WrapText and Range.NumberFormat say so on their pages
// (V:excel.range.hasformula, V:excel.range.wraptext, V:excel.range.numberformat), Borders.ColorIndex
// too (V:excel.borders.colorindex), and Microsoft's page on Excel's null values says it for the
// formatting properties of a range in general: "Properties return null when a range contains
// multiple different values (like different font colors)"
// (https://learn.microsoft.com/office/dev/add-ins/excel/excel-add-ins-blank-null-values). The
// cell reading relies on the same answer for the characters of one cell (a Font property is Null
// where they differ). The lines of a range are its edges, its inside lines and its diagonals
// (V:excel.xlbordersindex): the top edge of one row is the top line of each of its cells, the left
// edge of one column the left line of each of its cells.
struct FontFacts {
  Variant bold, italic, underline, strikethrough, color, size, superscript, subscript, name;
  bool Complete() const;
};

struct FillFacts {
  Variant colorIndex, color, pattern, patternColorIndex;
  bool Complete() const;
};

struct LineFacts {
  Variant lineStyle, weight, color;
  // Everything a cell's edge needs: its style, and for a drawn line its weight and colour.
  bool CompleteEdge() const;
  // A diagonal's record fields hold all three, drawn or not.
  bool CompleteDiagonal() const;
};

struct BorderFacts {
  LineFacts top, bottom, left, right, diagonalDown, diagonalUp;
  bool Complete() const;
};

struct AlignmentFacts {
  Variant orientation, indentLevel, horizontal, vertical;
};

struct SharedFormats {
  FontFacts font;
  FillFacts fill;
  BorderFacts borders;
  AlignmentFacts alignment;
};

// Reads, of range, the font, fill, alignment and diagonals that facts do not hold yet.
void ReadSharedFormats(const excel::Range& range, SharedFormats& facts);
// Reads the top and bottom lines of one row's cells.
void ReadRowLines(const excel::Range& row, BorderFacts& lines);
// Reads the left and right lines of one column's cells.
void ReadColumnLines(const excel::Range& column, LineFacts& left, LineFacts& right);

// A failed read of a whole area, row or column costs only its shortcut: what it would have told
// is read cell by cell. Excel's busy refusal still ends the import, as it does from any cell's read.
template <typename Read>
void TryAreaRead(Read read) {
  try {
    read();
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

// The shared value, or else what read answers for the cell itself.
template <typename Read>
Variant SharedOr(const Variant& shared, Read read) {
  return shared.IsEmpty() ? read() : shared;
}

}  // namespace vk
