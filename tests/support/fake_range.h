#pragma once
#include <vector>

#include "cell_area.h"
#include "fake_object.h"

namespace vk::fake {

class FakeSheet;

// Excel's Range object: one or more areas of a stand-in sheet. Rows and Columns give ranges
// whose Count and Item index whole rows or columns of the first area, as Excel's do.
class FakeRange final : public FakeObjectOf<FakeRange> {
 public:
  enum class Kind { Cells, Rows, Columns };

  FakeRange(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet, std::vector<CellArea> areas,
            Kind kind = Kind::Cells);
  static std::span<const Member> Members();

  FakeSheet* Sheet() const noexcept { return sheet_; }
  const std::vector<CellArea>& Areas() const noexcept { return areas_; }

  // The areas a Range(…) argument names on sheet: reference text, a defined name or a Range of
  // the same sheet; Excel's error 1004 for anything else.
  static std::vector<CellArea> Resolve(FakeExcel& excel, FakeSheet* sheet, const Variant& reference);

 private:
  // Excel's error 1004 when the stand-in refuses reads of several cells and this range has them.
  void RefuseIfSeveralCells() const;

  Variant Address(const FakeArgs&);
  Variant Name(const FakeArgs&);
  Variant Rows(const FakeArgs&);
  Variant Columns(const FakeArgs&);
  Variant Count(const FakeArgs&);
  Variant Find(const FakeArgs&);
  Variant Row(const FakeArgs&);
  Variant Column(const FakeArgs&);
  Variant Item(const FakeArgs&);
  Variant Left(const FakeArgs&);
  Variant Top(const FakeArgs&);
  Variant Width(const FakeArgs&);
  Variant Height(const FakeArgs&);
  Variant Value(const FakeArgs&);
  // Conditional formats and the active cell (fake_range_conditions.cpp).
  Variant FormatConditions(const FakeArgs&);
  Variant Activate(const FakeArgs&);
  Variant Select(const FakeArgs&);
  // A cell's formats and text (fake_range_format.cpp).
  Variant MergeArea(const FakeArgs&);
  Variant MergeCells(const FakeArgs&);
  Variant Interior(const FakeArgs&);
  Variant Font(const FakeArgs&);
  Variant Borders(const FakeArgs&);
  Variant Text(const FakeArgs&);
  Variant HasFormula(const FakeArgs&);
  Variant Formula(const FakeArgs&);
  Variant NumberFormat(const FakeArgs&);
  Variant Orientation(const FakeArgs&);
  Variant IndentLevel(const FakeArgs&);
  Variant WrapText(const FakeArgs&);
  Variant HorizontalAlignment(const FakeArgs&);
  Variant VerticalAlignment(const FakeArgs&);
  Variant Characters(const FakeArgs&);

  Variant Make(std::vector<CellArea> areas, Kind kind = Kind::Cells) const;
  const CellArea& First() const noexcept { return areas_.front(); }

  FakeSheet* sheet_;
  std::vector<CellArea> areas_;
  Kind kind_;
};

}  // namespace vk::fake
