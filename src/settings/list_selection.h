#pragma once
#include <cstdint>

namespace vk {

// What a drop-down list shows after being asked to select a stored position: that position
// when the list has it, otherwise no selection (-1).
inline int32_t SelectedPosition(int32_t position, int32_t itemCount) {
  return position >= 0 && position < itemCount ? position : -1;
}

// Item counts of the fixed lists of the pages.
inline constexpr int32_t kLinkPathTypeCount = 3;       // Full path, Relative path, No path
inline constexpr int32_t kInsertionPointTypeCount = 4;  // Left Top, Right Top, Left Bottom, Right Bottom

}  // namespace vk
