#pragma once
#include <cstdint>
#include <string>

#include "excel/borders.h"
#include "excel/characters.h"
#include "excel/excel_object.h"
#include "excel/font.h"
#include "excel/interior.h"

namespace vk::excel {

class FormatConditions;

// Excel's Range object. Optional arguments default to the missing-argument value, so Excel
// applies its own defaults.
class Range : public ExcelObjectOf<kIidRange> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  // Absolute A1 text by default: "$B$2:$H$40", or "$A$1:$C$9,$E$1:$F$9" for several areas.
  std::u16string Address(const Variant& rowAbsolute = Variant::Missing(),
                         const Variant& columnAbsolute = Variant::Missing(),
                         const Variant& referenceStyle = Variant::Missing(),
                         const Variant& external = Variant::Missing(),
                         const Variant& relativeTo = Variant::Missing()) const;
  // Excel answers with a Name object, or raises when no defined name refers to the range; the
  // caller decides what a non-object answer means.
  Variant Name() const;
  Range Rows() const;
  Range Columns() const;
  // An Empty answer raises ComError(DISP_E_TYPEMISMATCH), as a wrong type does.
  int32_t Count() const;
  // Nothing when no cell matches.
  Range Find(const Variant& what, const Variant& after = Variant::Missing(),
             const Variant& lookIn = Variant::Missing(), const Variant& lookAt = Variant::Missing(),
             const Variant& searchOrder = Variant::Missing(),
             const Variant& searchDirection = Variant::Missing(),
             const Variant& matchCase = Variant::Missing(),
             const Variant& matchByte = Variant::Missing(),
             const Variant& searchFormat = Variant::Missing()) const;
  int32_t Row() const;
  int32_t Column() const;
  // Offsets from the range's top-left cell, 1-based.
  Range Item(const Variant& row, const Variant& column = Variant::Missing()) const;
  // Points.
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;

  // What a cell's record is read from. Member names that are also class names return
  // qualified types.
  Range MergeArea() const;
  excel::Interior Interior() const;
  excel::Font Font() const;
  excel::Borders Borders() const;
  // The displayed text (Excel's formatted text).
  std::u16string Text() const;
  // Range.Value with the data type omitted, as Excel answers it: the VARTYPE tells numbers,
  // dates, currency, text, booleans and errors apart.
  Variant Value() const;
  bool HasFormula() const;
  std::u16string Formula() const;
  std::u16string NumberFormat() const;
  int32_t Orientation() const;
  int32_t IndentLevel() const;
  bool WrapText() const;
  // The same reads of several cells, as Excel answers them: True when all cells have it, False
  // when none has, Null when they differ (V:excel.range.hasformula, V:excel.range.wraptext);
  // MergeCells is False when the range holds no merged cell (V:excel.range.mergecells).
  Variant HasFormulaOfAll() const;
  Variant WrapTextOfAll() const;
  Variant MergeCells() const;
  int32_t HorizontalAlignment() const;
  int32_t VerticalAlignment() const;
  // The alignment reads of several cells, as Excel answers them: Null when the cells differ.
  Variant OrientationOfAll() const;
  Variant IndentLevelOfAll() const;
  Variant HorizontalAlignmentOfAll() const;
  Variant VerticalAlignmentOfAll() const;
  // Characters(Start, Length): omitted arguments mean from the first character, to the end.
  excel::Characters Characters(const Variant& start = Variant::Missing(),
                               const Variant& length = Variant::Missing()) const;

  // The rules of the cell's conditional formats (declared in excel/format_condition.h).
  excel::FormatConditions FormatConditions() const;
  // Makes the cell the active cell; a cell outside the selection becomes the selection.
  void Activate() const;
  void Select() const;
};

}  // namespace vk::excel
