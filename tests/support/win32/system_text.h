#pragma once
// The text Windows gives an error code (FormatMessage, English), or the one Wine gives where
// it has none of its own: the Windows programs run under both.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vk::test {

inline testing::AssertionResult IsSystemText(const std::u16string& text, std::u16string_view windows,
                                             std::u16string_view wine) {
  if (text == windows || text == wine) return testing::AssertionSuccess();
  std::string shown;
  for (char16_t c : text) shown += c < 0x80 ? static_cast<char>(c) : '?';
  return testing::AssertionFailure() << "unexpected system text \"" << shown << "\"";
}

}  // namespace vk::test
