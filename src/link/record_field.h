#pragma once
#include <cstddef>
#include <string_view>

namespace vk {

// Copies text into a fixed field, cut so that the terminator always fits; the rest of the field
// is zeroed, so no earlier text shows through behind the terminator.
template <size_t N>
void SetField(char16_t (&field)[N], std::u16string_view text) noexcept {
  const size_t n = text.size() < N - 1 ? text.size() : N - 1;
  for (size_t i = 0; i < n; ++i) field[i] = text[i];
  for (size_t i = n; i < N; ++i) field[i] = u'\0';
}

// The text of a field up to its terminator (or its end, for a record from elsewhere).
template <size_t N>
std::u16string_view FieldText(const char16_t (&field)[N]) noexcept {
  size_t n = 0;
  while (n < N && field[n] != u'\0') ++n;
  return std::u16string_view(field, n);
}

}  // namespace vk
