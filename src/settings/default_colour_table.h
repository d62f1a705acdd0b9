#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

// One item of a colour list: its name and a Windows colour value (red in the low byte).
struct ColourEntry {
  std::u16string name;
  uint32_t colour = 0;
  bool operator==(const ColourEntry&) const = default;
};

// The colour lists' contents until the CAD side publishes its own palette: the 255 AutoCAD
// Colour Index colours (position p is ACI p + 1) followed by "ByLayer". Built on first use and
// never changed.
const std::vector<ColourEntry>& DefaultColourTable();
inline constexpr int32_t kDefaultColourCount = 256;

}  // namespace vk
