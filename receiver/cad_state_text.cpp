#include "cad_state_text.h"

#include "settings/cad_state_block.h"
#include "text/utf8_text.h"

namespace vk::draw {

std::u16string CadStateText(const std::vector<std::string>& layers, const std::vector<ColourEntry>& palette,
                            std::vector<std::string>* skipped) {
  std::u16string text = kCadLayerListMarker;
  for (const std::string& layer : layers) {
    if (layer.empty() || layer.find_first_of(std::string("|\r\n\0", 4)) != std::string::npos) {
      if (skipped) skipped->push_back(layer);
      continue;
    }
    text += u'|';
    if (layer.front() == '*') text += u'*';
    text += FromUtf8(layer);
  }
  text += u'\n';
  text += kCadPaletteMarker;
  for (size_t i = 0; i < palette.size() && i < kCadPaletteSize; ++i) {
    const std::string number = std::to_string(palette[i].colour & 0xFFFFFFu);
    text += u'|';
    text.append(number.begin(), number.end());
  }
  text += u'\n';
  return text;
}

}  // namespace vk::draw
