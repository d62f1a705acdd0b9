#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vk {

// Breaks text at every occurrence of any of the delimiter characters. Empty pieces (delimiters
// at either end or in a row) are skipped; the pieces keep every other character, white space
// included.
std::vector<std::u16string> SplitTokens(std::u16string_view text, std::u16string_view delimiters);

}  // namespace vk
