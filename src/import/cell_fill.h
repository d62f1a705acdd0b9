#pragma once

namespace vk {

class ImportSession;
struct FillFacts;
struct CellRecord;
namespace excel {
class Interior;
class Workbook;
}  // namespace excel

// Fills the record's fill fields from an Excel Interior (a cell's, or a format condition's
// over the cell's): colour and palette index, pattern and pattern colour. Palette indices are
// looked up in the workbook's own palette. Colour and pattern are read in two blocks; a failed
// read ends its block silently. Excel's busy refusal is passed on. What shared holds is taken
// from there instead of the Interior, which may then be Nothing.
void ReadFill(const ImportSession& session, CellRecord& record, const excel::Interior& interior,
              const excel::Workbook& workbook, const FillFacts* shared = nullptr);

}  // namespace vk
