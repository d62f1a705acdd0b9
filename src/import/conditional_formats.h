#pragma once
#include "automation/variant.h"

namespace vk {

class ImportSession;
struct CellRecord;
namespace excel {
class Range;
class Workbook;
class Worksheet;
}  // namespace excel

// Overlays on the record the fill, borders and font of the cell's conditional formats that
// hold, the last step before the record is sent. The session gives the Excel version and
// application that evaluation needs. Failures end it silently, except Excel's busy refusal,
// which is passed on.
void ApplyConditionalFormats(const ImportSession& session, CellRecord& record, const excel::Range& cell,
                             const excel::Workbook& workbook, const excel::Worksheet& worksheet);

// Whether Worksheet.Evaluate's answer to a rule's formula means the rule holds: true, a
// non-zero number, or a one-dimensional array whose first element is true.
bool ExpressionHolds(const Variant& result);

}  // namespace vk
