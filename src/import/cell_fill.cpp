#include "import/cell_fill.h"

#include "excel/excel_constants.h"
#include "excel/interior.h"
#include "excel/workbook.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "import/shared_formats.h"
#include "link/cell_record.h"

namespace vk {
namespace {

// Excel 2007 added true RGB fills; before it a fill is a palette entry.
constexpr int32_t kFirstRgbVersion = 12;

const FillFacts kNothingShared;

void ReadColour(const ImportSession& session, CellRecord& record, const excel::Interior& interior,
                const excel::Workbook& workbook, const FillFacts& shared) {
  record.fillColorIndex = SharedOr(shared.colorIndex, [&] { return interior.ColorIndex(); }).ToInt32();
  if (session.ExcelVersion() >= kFirstRgbVersion) {
    record.fillColor = SharedOr(shared.color, [&] { return interior.Color(); }).ToInt32Truncated();
  } else if (record.fillColorIndex > 0) {
    record.fillColor = workbook.Colors(record.fillColorIndex);
  }
}

void ReadPattern(CellRecord& record, const excel::Interior& interior, const excel::Workbook& workbook,
                 const FillFacts& shared) {
  if (const Variant pattern = SharedOr(shared.pattern, [&] { return interior.Pattern(); }); IsDefined(pattern)) {
    record.fillPattern = pattern.ToInt32();
  }
  const Variant index = SharedOr(shared.patternColorIndex, [&] { return interior.PatternColorIndex(); });
  const int32_t colorIndex = IsDefined(index) ? index.ToInt32() : kXlNone;
  // None and automatic are no palette entries: the receiver gets black for them.
  if (colorIndex == kXlNone || colorIndex == excel::kXlAutomatic || colorIndex <= 0) {
    record.patternColor = 0;
  } else {
    record.patternColor = workbook.Colors(colorIndex);
  }
}

}  // namespace

void ReadFill(const ImportSession& session, CellRecord& record, const excel::Interior& interior,
              const excel::Workbook& workbook, const FillFacts* shared) {
  const FillFacts& known = shared ? *shared : kNothingShared;
  try {
    ReadColour(session, record, interior, workbook, known);
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
  session.Mark(3627, u"cell_fill.cpp");
  try {
    ReadPattern(record, interior, workbook, known);
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

}  // namespace vk
