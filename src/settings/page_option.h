#pragma once
#include <cstdint>
#include <string_view>

#include "settings/option_table.h"

namespace vk {

// The pages read several values with what the page's field holds as the default rather than the
// table's: the same name and place, another default.
inline NumberOption WithDefault(NumberOption option, int32_t fieldValue) {
  option.defaultValue = fieldValue;
  return option;
}
inline TextOption WithDefault(TextOption option, std::u16string_view fieldValue) {
  option.defaultValue = fieldValue;
  return option;
}
inline RealOption WithDefault(RealOption option, std::u16string_view fieldText) {
  option.defaultText = fieldText;
  return option;
}

// A stored colour choice is its list position plus 1, so 0 and 1 both mean the first entry.
inline int32_t ColourPositionFromStored(int32_t stored) { return stored <= 0 ? 0 : stored - 1; }
inline int32_t StoredFromColourPosition(int32_t position) {
  // Positions read from a file can be anything; wrap rather than overflow.
  return static_cast<int32_t>(static_cast<uint32_t>(position) + 1u);
}

}  // namespace vk
