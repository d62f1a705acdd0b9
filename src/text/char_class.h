#pragma once
#include <cstddef>
#include <string_view>

namespace vk {

// White space as the C library's isspace sees it in the "C" locale: space, tab, line feed,
// vertical tab, form feed and carriage return.
constexpr bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// The ASCII digits only: full-width and other scripts' digits never continue a number here.
constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// How a number read the C library's way begins: leading white space, then at most one sign.
struct NumberStart {
  size_t next = 0;        // the first character after the white space and the sign
  bool negative = false;  // the sign was '-'
};

constexpr NumberStart SkipSpaceAndSign(std::u16string_view text) {
  NumberStart start;
  size_t& i = start.next;
  while (i < text.size() && IsSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) start.negative = text[i++] == u'-';
  return start;
}

}  // namespace vk
