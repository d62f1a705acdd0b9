#pragma once
#include <string>
#include <string_view>

namespace vk {

// Reals live in the registry as text. Written as printf's "%g" in the C locale would write them
// (six significant digits: 0.1234567 becomes "0.123457"), on every build, whatever the C
// runtime's own printf does with exponents.
std::u16string FormatReal(double value);

// Read as a decimal number that stops at the first character that cannot continue it; leading
// white space and a sign are allowed, text that does not begin with a number reads as 0, and
// "inf"/"nan" or hexadecimal forms are not numbers here. Out of range: +-HUGE_VAL or +-0.
double ParseReal(std::u16string_view text);

}  // namespace vk
