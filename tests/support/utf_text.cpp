#include "utf_text.h"

#include "text/utf8_text.h"

#include <stdexcept>

namespace vk::fake {

std::u16string Utf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    size_t extra = 0;
    if (lead >= 0x80) {
      if ((lead & 0xE0) == 0xC0) extra = 1;
      else if ((lead & 0xF0) == 0xE0) extra = 2;
      else if ((lead & 0xF8) == 0xF0) extra = 3;
      else throw std::runtime_error("invalid UTF-8 text");
      if (extra > utf8.size() - i - 1) throw std::runtime_error("invalid UTF-8 text");
    }
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) throw std::runtime_error("invalid UTF-8 text");
      code = (code << 6) | (next & 0x3F);
    }
    i += extra + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
  }
  return out;
}

std::string Utf8(std::u16string_view utf16) { return ToUtf8(utf16); }

char16_t FoldCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
  // Full-width Latin letters fold too, as Excel's comparisons do.
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<char16_t>(c - 0xFF41 + 0xFF21);
  return c;
}

bool SameText(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

}  // namespace vk::fake
