#pragma once

namespace vk {

// White space as the C library's isspace sees it in the "C" locale: space, tab, line feed,
// vertical tab, form feed and carriage return.
constexpr bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace vk
