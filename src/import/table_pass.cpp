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
void TablePass(TablePassContext& context, excel::Range& area, const std::u16string& rangeText) {
  if (context.progress == nullptr) return;
  CImportDriver& addin = context.addin;
  context.area.top = area.Top();
  context.area.left = area.Left();
  context.area.width = area.Width();
  context.area.height = area.Height();
  const int32_t rowCount = area.Rows().Count();
  const int32_t columnCount = area.Columns().Count();

  addin.Mark(917, u"table_pass.cpp");
  context.progress->SetText(
      FormatText(u"Table Size: %d rows X %d columns", {int64_t{rowCount}, int64_t{columnCount}}));
  context.progress->SetRange(0, rowCount * columnCount);
  context.progress->SetPos(0);
  context.progress->SetStep(1);

  addin.Mark(928, u"table_pass.cpp");
  if (addin.m_pLink != nullptr) addin.m_pLink->StartTable(rowCount, columnCount);
  addin.m_log.WriteLine(context.workbook.FullName(), 934);
  addin.m_log.WriteLine(context.sheetName, 935);
  addin.m_log.WriteLine(rangeText, 936);
}

}  // namespace vk
