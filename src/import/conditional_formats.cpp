#include "import/conditional_formats.h"

#include "excel/range.h"
#include "excel/workbook.h"
#include "excel/worksheet.h"
#include "import/import_driver.h"
#include "link/cell_record.h"

namespace vk {

// Conditions are not evaluated yet: the record leaves with the cell's own formats.
void ApplyConditionalFormats(CImportDriver&, CellRecord&, const excel::Range&, const excel::Workbook&,
                             const excel::Worksheet&) {}

}  // namespace vk
