#pragma once
#include "import/format_source.h"

namespace vk {

class ImportSession;
struct BorderFacts;
struct CellRecord;
namespace excel {
class Borders;
}

// Fills the record's four edges (and, for a cell's own borders, both diagonals) from an Excel
// Borders collection. A format condition's borders are indexed differently by Excel and have
// no diagonals; the edges written then carry fromCondition 1. With printed gridlines an edge
// without a line is sent as a thin black line. A failed read ends the operation silently, keeping the edges already written; Excel's
// busy refusal is passed on.
// What shared holds is taken from there instead of the Borders, which may then be Nothing.
void ReadBorders(const ImportSession& session, CellRecord& record, const excel::Borders& borders,
                 FormatSource source, Gridlines gridlines, const BorderFacts* shared = nullptr);

}  // namespace vk
