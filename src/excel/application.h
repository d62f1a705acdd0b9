#pragma once
#include <string>

#include "excel/excel_object.h"
#include "excel/window.h"
#include "excel/workbook.h"
#include "excel/worksheet.h"

namespace vk::excel {

// Excel's Application object.
class Application : public ExcelObjectOf<kIidApplication> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  void SetScreenUpdating(bool on) const;
  // The active sheet as a worksheet; Nothing when no sheet is active.
  Worksheet ActiveSheet() const;
  // Whatever is selected: a Range for cells, a drawing object for a shape, Nothing when nothing
  // is. Asked with LOCALE_USER_DEFAULT, as Excel's own callers do.
  ObjectPtr Selection() const;
  Workbook ActiveWorkbook() const;
  std::u16string Version() const;
  // The active cell of the active sheet.
  excel::Range ActiveCell() const;
  // A formula of at most 255 characters worked out on the active sheet: a value, an error
  // value, an array, or a Range for a reference.
  Variant Evaluate(const std::u16string& formula) const;
  excel::Window ActiveWindow() const;
  // Range(Cell1): a reference text of any sheet ("Sheet2!$A$1:$A$5") or a defined name.
  excel::Range Range(const std::u16string& reference) const;
};

}  // namespace vk::excel
