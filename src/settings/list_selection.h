#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace vk {

// What a drop-down list shows after being asked to select a stored position: that position
// when the list has it, otherwise no selection (-1).
inline int32_t SelectedPosition(int32_t position, int32_t itemCount) {
  return position >= 0 && position < itemCount ? position : -1;
}

// Removes the rows a list view has selected, each once, whatever their order; positions past
// the end are ignored.
template <typename T>
void RemoveSelectedRows(std::vector<T>& items, std::vector<size_t> selected) {
  std::sort(selected.begin(), selected.end(), std::greater<>());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  for (const size_t row : selected)
    if (row < items.size()) items.erase(items.begin() + static_cast<std::ptrdiff_t>(row));
}

// Item counts of the fixed lists of the pages.
inline constexpr int32_t kLinkPathTypeCount = 3;       // Full path, Relative path, No path
inline constexpr int32_t kInsertionPointTypeCount = 4;  // Left Top, Right Top, Left Bottom, Right Bottom

}  // namespace vk
