#pragma once
#include <cstddef>
#include <string_view>

namespace vk {

// Writes a cell's displayed text for the receiver: each backslash and brace (the characters
// the CAD side's text format treats specially) gets a backslash before it, every other
// character is copied. Writes at most capacity - 1 units and no terminator (the cleared record
// ends the string); returns the number of units written.
size_t EscapeCellText(std::u16string_view text, char16_t* destination, size_t capacity) noexcept;

// Whether a character takes an escape backslash.
constexpr bool NeedsCellEscape(char16_t c) noexcept { return c == u'\\' || c == u'{' || c == u'}'; }

}  // namespace vk
