#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cell_area.h"

namespace vk::fake {

// "A" for 1 … "XFD" for 16384.
std::u16string ColumnLetters(int32_t column);
// 0 when the text is not a column name within the sheet.
int32_t ColumnNumber(std::u16string_view letters);

// A reference as Excel's Range(…) and defined names take it: an optional "=" and sheet prefix
// ("Sheet1!" or "'My sheet'!"), then areas separated by "," ("A1", "$A$1:$C$9", "A:C", "3:5").
struct ParsedReference {
  std::u16string sheet;  // empty when the text names no sheet
  std::vector<CellArea> areas;
};
std::optional<ParsedReference> ParseReference(std::u16string_view text);

// One area as Range.Address writes it: "$A$1", "$A$1:$C$9", whole columns "$A:$C", whole rows
// "$1:$9"; without "$" on the parts that are not absolute.
std::u16string FormatA1(const CellArea& area, bool rowAbsolute = true, bool columnAbsolute = true);
// The R1C1 form: "R1C1:R9C3", relative parts as offsets from (baseRow, baseColumn): "R[-2]C[1]".
std::u16string FormatR1C1(const CellArea& area, bool rowAbsolute, bool columnAbsolute,
                          int32_t baseRow, int32_t baseColumn);

}  // namespace vk::fake
