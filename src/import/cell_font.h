#pragma once
#include "import/format_source.h"

namespace vk {

class ImportSession;
struct CellRecord;
struct FontFacts;
namespace excel {
class Font;
class Range;
}  // namespace excel

// Fills the record's font fields from an Excel Font. Full mode (the cell's own font) reads
// everything and, where a property differs between characters, builds the run list from the
// cell's characters; condition mode (a format condition's font) writes only bold, italic,
// underline, strikethrough and colour, and only those the condition sets. A failed read ends
// the operation silently with what it wrote so far; Excel's busy refusal is passed on.
// What shared holds is taken from there instead of the Font, which may then be Nothing.
void ReadCellFont(const ImportSession& session, CellRecord& record, const excel::Font& font, const excel::Range& cell,
                  FormatSource source, const FontFacts* shared = nullptr);

}  // namespace vk
