#pragma once

namespace vk {

class ImportSession;
struct CellRecord;
namespace excel {
class Borders;
}

// Fills the record's four edges (and, for a cell's own borders, both diagonals) from an Excel
// Borders collection. conditionMode 1 reads a format condition's borders, which Excel indexes
// differently and which have no diagonals; the edges written then carry fromCondition 1.
// gridlines: the sheet prints its gridlines, so an edge without a line is sent as a thin black
// line. A failed read ends the operation silently, keeping the edges already written; Excel's
// busy refusal is passed on.
void ReadBorders(const ImportSession& session, CellRecord& record, const excel::Borders& borders, int conditionMode,
                 bool gridlines);

}  // namespace vk
