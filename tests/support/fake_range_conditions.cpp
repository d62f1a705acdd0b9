// The members of the stand-in Range that conditional formats need: the rules of the range and
// moving the active cell, whose position decides how a rule's formulas read.
#include "fake_excel.h"
#include "fake_format_conditions.h"
#include "fake_range.h"

namespace vk::fake {

Variant FakeRange::FormatConditions(const FakeArgs&) {
  RefuseIfSeveralCells();
  return Variant::Object(std::make_shared<FakeFormatConditions>(ExcelPtr(), sheet_, areas_));
}

// Activate() (V:excel.range.activate) and Select() (V:excel.range.select) work on the active
// sheet only; on another sheet they fail with error 1004 (ck). Select's Replace argument is for
// sheets and is ignored here.
Variant FakeRange::Activate(const FakeArgs&) {
  FakeBook& book = Excel().Book();
  if (book.ActiveSheet() != sheet_) Raise();
  book.ActivateCell(areas_);
  return Variant::Bool(true);
}

Variant FakeRange::Select(const FakeArgs&) {
  FakeBook& book = Excel().Book();
  if (book.ActiveSheet() != sheet_) Raise();
  book.SelectAreas(areas_);
  return Variant::Bool(true);
}

}  // namespace vk::fake
