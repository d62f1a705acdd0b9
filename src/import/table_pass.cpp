#include "import/table_pass.h"

#include "excel/range.h"
#include "excel/workbook.h"
#include "excel/worksheet.h"
#include "import/import_driver.h"
#include "ui/progress_window.h"
#include "ui/text_format.h"

namespace vk {

// The preparation of the pass: geometry, size, progress and the table announcement. Cell
// records join when their layout exists; until then a table is announced with its true size.
void TablePass(CImportDriver& addin, excel::Range& area, excel::Workbook& workbook,
               excel::Worksheet&, int32_t*, int32_t*, std::u16string rangeText,
               std::u16string sheetName, double* areaLeft, double* areaTop, double* areaWidth,
               double* areaHeight, ProgressWindow* progress) {
  if (progress == nullptr) return;
  *areaTop = area.Top();
  *areaLeft = area.Left();
  *areaWidth = area.Width();
  *areaHeight = area.Height();
  const int32_t rowCount = area.Rows().Count();
  const int32_t columnCount = area.Columns().Count();

  addin.Mark(917, u"table_pass.cpp");
  progress->SetText(FormatText(u"Table Size: %d rows X %d columns", {int64_t{rowCount}, int64_t{columnCount}}));
  progress->SetRange(0, rowCount * columnCount);
  progress->SetPos(0);
  progress->SetStep(1);

  addin.Mark(928, u"table_pass.cpp");
  if (addin.m_pLink != nullptr) addin.m_pLink->StartTable(rowCount, columnCount);
  addin.m_log.WriteLine(workbook.FullName(), 934);
  addin.m_log.WriteLine(sheetName, 935);
  addin.m_log.WriteLine(rangeText, 936);
}

}  // namespace vk
