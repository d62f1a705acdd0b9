#pragma once
#include <string>
#include <string_view>

namespace vk::fake {

// UTF-8 fixture text to the UTF-16 that automation carries, and back for keys and messages.
// Invalid UTF-8 raises std::runtime_error: a fixture must not lose characters silently.
std::u16string Utf16(std::string_view utf8);
std::string Utf8(std::u16string_view utf16);

// Excel compares member names, sheet names and defined names without regard to case.
bool SameText(std::u16string_view a, std::u16string_view b);
char16_t FoldCase(char16_t c);

}  // namespace vk::fake
