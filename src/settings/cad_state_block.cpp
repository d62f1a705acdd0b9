#include "settings/cad_state_block.h"

#include <limits>

#include "text/char_class.h"
#include "text/token_splitter.h"

namespace vk {

namespace {

constexpr size_t kMarkerLength = 36;

// A line counts when it starts with the marker and goes on past it; the character after the
// marker is a separator of any kind and is skipped.
bool LineContent(std::u16string_view line, std::u16string_view marker, std::u16string_view* content) {
  if (line.size() <= kMarkerLength || line.substr(0, kMarkerLength) != marker) return false;
  *content = line.substr(kMarkerLength + 1);
  return true;
}

}  // namespace

int32_t ParsePaletteNumber(std::u16string_view text) {
  const auto [start, negative] = SkipSpaceAndSign(text);
  int64_t value = 0;
  const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                 : std::numeric_limits<int32_t>::max();
  for (size_t i = start; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > limit) value = limit;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

CCadStateBlock CCadStateBlock::Parse(std::u16string_view text) {
  static_assert(sizeof(kCadLayerListMarker) / sizeof(char16_t) - 1 == kMarkerLength);
  static_assert(sizeof(kCadPaletteMarker) / sizeof(char16_t) - 1 == kMarkerLength);

  CCadStateBlock block;
  std::u16string_view content;
  for (const auto& line : SplitTokens(text, u"\n")) {
    if (LineContent(line, kCadLayerListMarker, &content)) {
      for (auto& name : SplitTokens(content, u"|")) {
        // The receiver marks some layers with a leading "*"; a name that was only "*" stays an
        // (empty) item, as the receiver listed it.
        if (name.front() == u'*') name.erase(0, 1);
        block.m_layers.push_back(std::move(name));
      }
    } else if (LineContent(line, kCadPaletteMarker, &content)) {
      std::vector<ColourEntry> palette(kCadPaletteSize);
      const auto numbers = SplitTokens(content, u"|");
      for (size_t i = 0; i < numbers.size() && i < kCadPaletteSize; ++i) {
        palette[i].colour = static_cast<uint32_t>(ParsePaletteNumber(numbers[i])) & 0xFFFFFFu;
        const std::string digits = std::to_string(i);
        palette[i].name.assign(digits.begin(), digits.end());
      }
      block.m_palette = std::move(palette);  // a later palette line replaces an earlier one
    }
  }
  return block;
}

}  // namespace vk
