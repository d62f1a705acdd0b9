#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cad_state_text.h"
#include "settings/cad_state_block.h"

namespace vk::draw {
namespace {

// What the receiver publishes must come out of the Options sheet's reader as it went in: names
// in order (a leading "*" and non-ASCII kept), the palette's colours by position.
TEST(CadStateText, TheOptionsSheetsReaderGetsBackTheLayersAndPalette) {
  const std::vector<ColourEntry> palette = {{u"Red", 0x0000FF}, {u"x", 0x12345678}, {u"ByLayer", 0xFFFFFF}};
  std::vector<std::string> skipped;
  const std::u16string text = CadStateText({"0", "*Hidden", "\xE5\xA3\x81", "a|b", "", "line\nbreak", "Doors"},
                                           palette, &skipped);
  const CCadStateBlock block = CCadStateBlock::Parse(text);
  EXPECT_EQ(block.m_layers, (std::vector<std::u16string>{u"0", u"*Hidden", u"\u58C1", u"Doors"}));
  EXPECT_EQ(skipped, (std::vector<std::string>{"a|b", "", "line\nbreak"}));
  ASSERT_EQ(block.m_palette.size(), kCadPaletteSize);
  EXPECT_EQ(block.m_palette[0].colour, 0x0000FFu);
  EXPECT_EQ(block.m_palette[1].colour, 0x345678u);  // beyond 24 bits is not a colour
  EXPECT_EQ(block.m_palette[2].colour, 0xFFFFFFu);
  EXPECT_EQ(block.m_palette[3].colour, 0u);
}

TEST(CadStateText, NoLayersGiveNoLayerNames) {
  const CCadStateBlock block = CCadStateBlock::Parse(CadStateText({}, {}, nullptr));
  EXPECT_TRUE(block.m_layers.empty());
}

}  // namespace
}  // namespace vk::draw
