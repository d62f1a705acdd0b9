#include "import/char_font.h"

#include "text/text_format.h"

namespace vk {
namespace {

// Font names differ only by ASCII case in practice; other characters compare exactly.
char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameName(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

}  // namespace

std::u16string CCharFont::Format() const {
  return FormatText(u"%s|%d|b%d|i%d|u%d|s%d|%d",
                    {std::u16string_view(name), int64_t{size}, int64_t{bold ? 1 : 0}, int64_t{italic ? 1 : 0},
                     int64_t{underline ? 1 : 0}, int64_t{script}, int64_t{position}});
}

bool CCharFont::Equals(const CCharFont& other) const {
  return SameName(name, other.name) && bold == other.bold && italic == other.italic &&
         underline == other.underline && script == other.script && size == other.size;
}

void CCharFont::TakeStyle(const CCharFont& other) {
  name = other.name;
  bold = other.bold;
  italic = other.italic;
  underline = other.underline;
  script = other.script;
  size = other.size;
}

}  // namespace vk
