#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vk {

// Absolute A1 cell addresses ("$B$7") and the rewriting of a conditional format's formula for
// one cell. Rows and columns are 1-based; columns are written and read with one to three
// letters (A = 1, Z = 26, AA = 27, ZZ = 702, AAA = 703, XFD = 16384), as Excel names them.

// The limits of a worksheet grid; a rewritten reference must land inside them.
inline constexpr int32_t kA1MaxRow = 1048576;
inline constexpr int32_t kA1MaxColumn = 16384;

// Formulas of this many units or more are evaluated as read; a rewritten formula must also stay
// below it.
inline constexpr size_t kRebaseBufferUnits = 1024;

// "$" letters "$" row. Rows or columns below 1 tell the user and give an empty text.
std::u16string MakeAbsoluteAddress(int32_t row, int32_t column);

// Reads the cell at the first "$" of text: "$B$7", "$AB$12", or the first corner of
// "$B$7:$D$9". False when there is no "$" or no column letter after it; row is 0 when no digits
// follow the column.
bool ParseAbsoluteCell(std::u16string_view text, int32_t* row, int32_t* column);
// The first corner of a range text; the same reading as ParseAbsoluteCell.
bool ParseRangeStart(std::u16string_view text, int32_t* row, int32_t* column);

// One reference token of a formula ("B3", "$B3", "B$3") moved by the distance from
// (topRow, topColumn) to (cellRow, cellColumn) and written absolute. Anything that is not a
// reference with a relative part comes back unchanged.
std::u16string RebaseReference(std::u16string_view token, int32_t cellRow, int32_t cellColumn,
                               int32_t topRow, int32_t topColumn);

// A range text (areas joined by ",") cut to at most limit units for a fixed buffer: it keeps
// as many whole areas as fit, so that no area arrives cut in the middle of its address; a
// single area or name longer than the limit is cut at the limit.
std::u16string FitWholeAreas(const std::u16string& text, size_t limit);

// The formula of a condition that applies to appliesTo (a range address, areas joined by ","),
// with every relative reference moved from the applies-to range's top-left corner to the cell
// at cellAddress and written absolute. Before Excel 12 the formula is returned as read.
std::u16string RebaseFormula(std::u16string_view formula, std::u16string_view cellAddress,
                             std::u16string_view appliesTo, int32_t excelVersion);

}  // namespace vk
