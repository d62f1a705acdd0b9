// The CAD state block is written by another process: whatever it holds, the Layer & Color page
// gets layer names without separators (a name may be empty) and either no palette or exactly 257 colours.
#include <cstdlib>

#include "settings/cad_state_block.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  // The fuzzer's bytes rarely hit a 36-character marker by chance; half the time they follow one.
  if (size % 2 == 1) text = std::u16string(data[size - 1] & 1 ? vk::kCadPaletteMarker : vk::kCadLayerListMarker) + text;

  vk::CMemoryCadStateSource source(text);
  const auto block = vk::CCadStateBlock::Read(source);
  for (const auto& name : block.m_layers)
    Check(name.find_first_of(u"|\n") == std::u16string::npos && name.find(u'\0') == std::u16string::npos);
  Check(block.m_palette.empty() || block.m_palette.size() == vk::kCadPaletteSize);
  for (const auto& entry : block.m_palette) Check(entry.colour <= 0xFFFFFFu);
  return 0;
}
