#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/cad_state_source.h"
#include "settings/default_colour_table.h"

namespace vk {

// Line markers of the CAD state block; a line is recognised by its first 36 characters.
inline constexpr char16_t kCadLayerListMarker[] = u"9E8AD1F9-1A5E-48c9-BB9E-20FBA39AA9DB";
inline constexpr char16_t kCadPaletteMarker[] = u"0D48CF1C-0FF1-4e58-B770-C6D63E9BF408";
// A published palette always fills this many picker entries, however many numbers it holds.
inline constexpr size_t kCadPaletteSize = 257;

// What the CAD-side module publishes about its drawing: the layer names for the five layer
// lists of the Layer & Color page and, optionally, its own colour palette for the pickers.
class CCadStateBlock {
 public:
  // Parses the block's text: lines separated by "\n", recognised by their markers; other
  // lines are ignored.
  static CCadStateBlock Parse(std::u16string_view text);
  // Reads and parses; a source with nothing published gives an empty block.
  static CCadStateBlock Read(CadStateSource& source) { return Parse(source.ReadText()); }

  bool HasPalette() const { return !m_palette.empty(); }

  // Every name of every layer list line, in the order published, without a leading "*".
  std::vector<std::u16string> m_layers;
  // kCadPaletteSize entries for the colour pickers from the last palette line, or empty when
  // none was published (the pickers then keep the default colour table).
  std::vector<ColourEntry> m_palette;
};

// The value of a palette number the way the CAD side's numbers have always been read: leading
// white space and a sign allowed, digits up to the first other character, anything that is not
// a number 0, and values beyond 32 bits held at the nearest limit.
int32_t ParsePaletteNumber(std::u16string_view text);

}  // namespace vk
