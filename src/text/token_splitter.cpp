#include "text/token_splitter.h"

namespace vk {

std::vector<std::u16string> SplitTokens(std::u16string_view text, std::u16string_view delimiters) {
  std::vector<std::u16string> pieces;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(delimiters, start);
    if (end == std::u16string_view::npos) end = text.size();
    if (end > start) pieces.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

}  // namespace vk
