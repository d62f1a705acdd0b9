#pragma once

namespace vk {

// Whose formats a cell reader reads: the cell's own (everything, diagonals and character runs
// included) or a format condition's laid over them (only what the condition sets).
enum class FormatSource { Cell, Condition };

// Whether the sheet prints its gridlines: an edge without a line is then sent as a thin black one.
enum class Gridlines { NotPrinted, Printed };

}  // namespace vk
