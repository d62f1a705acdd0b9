#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace vk {

// One argument of FormatText: an integer (for %d, %ld, %x, %u, %c) or a UTF-16 text (for %s).
using FormatArg = std::variant<int64_t, std::u16string_view>;

// printf-style formatting of the product's message texts into UTF-16. Knows %d, %ld, %u, %x
// (lower-case hex of the 32-bit value), %c, %s and %%; a directive without its argument prints
// nothing, so a wrong call can never read past the argument list.
std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args);

// ASCII/Latin text to UTF-16 (the product's fixed texts are ASCII).
std::u16string Widen(std::string_view text);

// Equal texts when ASCII letters are compared without regard to case, as the platform compares
// registered names.
bool SameTextIgnoringCase(std::u16string_view a, std::u16string_view b);

// A number in decimal digits, with a minus sign when negative.
std::u16string DecimalText(int64_t number);

// Spreadsheet column letters: A to Z, AA to ZZ, then on past the 702nd column with three
// letters (703 is AAA, 16384 is XFD, as Excel names them) rather than characters beyond Z.
// Empty below 1.
std::u16string ColumnLetters(int64_t column);

}  // namespace vk
