#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vk::fake {

// A formula's relative references moved by a number of rows and columns, as Excel translates
// a conditional format's formula to the active cell: "=B1>0" moved by 2 rows reads "=B3>0".
// "$" parts stay; references wrap around the sheet's edges (ck: Excel's relative references
// in rules wrap rather than fail). Text constants, quoted sheet names and function names are
// left alone.
std::u16string ShiftFormula(std::u16string_view formula, int32_t rows, int32_t columns);

}  // namespace vk::fake
