#include "import/cell_text.h"

namespace vk {

// When the escaped text does not fit, it is cut after the last whole character that does:
// never between an escape and its character (the receiver would read the escape as escaping
// the terminator) and never between the two halves of a surrogate pair. The run list still
// counts the full text; the receiver clamps its runs to the text it got.
size_t EscapeCellText(std::u16string_view text, char16_t* destination, size_t capacity) noexcept {
  if (destination == nullptr || capacity == 0) return 0;
  const size_t limit = capacity - 1;
  size_t out = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool escaped = NeedsCellEscape(c);
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    const size_t units = escaped || pair ? 2 : 1;
    if (out + units > limit) break;
    if (escaped) destination[out++] = u'\\';
    destination[out++] = c;
    if (pair) destination[out++] = text[++i];
  }
  return out;
}

}  // namespace vk
