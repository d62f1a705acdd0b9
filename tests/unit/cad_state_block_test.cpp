#include "settings/cad_state_block.h"

#include <gtest/gtest.h>

#include "text/token_splitter.h"

namespace vk {
namespace {

const std::u16string kLayers = kCadLayerListMarker;
const std::u16string kPalette = kCadPaletteMarker;

TEST(TokenSplitter, SkipsEmptyPiecesAndKeepsEverythingElse) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(SplitTokens(u"||a| b ||c|", u"|"), (V{u"a", u" b ", u"c"}));
  EXPECT_EQ(SplitTokens(u"a;b,c", u";,"), (V{u"a", u"b", u"c"}));
  EXPECT_EQ(SplitTokens(u"", u"|"), V{});
  EXPECT_EQ(SplitTokens(u"|||", u"|"), V{});
}

TEST(CadStateBlock, LayerLinesGiveTheirNamesWithoutALeadingStar) {
  struct Case {
    std::u16string text;
    std::vector<std::u16string> layers;
  };
  const Case cases[] = {
      {kLayers + u":0|*Walls|Doors", {u"0", u"Walls", u"Doors"}},
      {kLayers + u" A||B|", {u"A", u"B"}},
      {kLayers + u"|**x|*", {u"*x", u""}},  // only the first "*" goes; "*" alone is an empty item
      {kLayers + u"|\u65E5\u672C\u8A9E|z", {u"\u65E5\u672C\u8A9E", u"z"}},
      {kLayers + u"|", {}},  // marker and separator only
      {kLayers, {}},         // a marker alone is no line of its kind
      // Lines are recognised by their marker alone, case and all; the rest are ignored.
      {u"junk\n" + kLayers + u"|a\n\n" + kLayers + u"|b\nxx", {u"a", u"b"}},
      {u"9e8ad1f9-1a5e-48c9-bb9e-20fba39aa9db|a", {}},
      {kLayers.substr(0, 35) + u"|a|b", {}},
  };
  for (const auto& c : cases) {
    const auto block = CCadStateBlock::Parse(c.text);
    EXPECT_EQ(block.m_layers, c.layers) << std::string(c.text.begin(), c.text.end());
    EXPECT_FALSE(block.HasPalette());
  }
}

TEST(CadStateBlock, PaletteLinesFillAll257Entries) {
  auto block = CCadStateBlock::Parse(kPalette + u"|255|65280|x|-1|16777216|  42z");
  ASSERT_EQ(block.m_palette.size(), 257u);
  const ColourEntry first[] = {{u"0", 0xFF}, {u"1", 0xFF00}, {u"2", 0},       {u"3", 0xFFFFFF},
                                {u"4", 0},    {u"5", 42},     {u"", 0}};
  for (size_t i = 0; i < std::size(first); ++i) EXPECT_EQ(block.m_palette[i], first[i]) << i;
  EXPECT_EQ(block.m_palette[256], (ColourEntry{u"", 0}));

  block = CCadStateBlock::Parse(kPalette + u"|");
  ASSERT_EQ(block.m_palette.size(), 257u);
  for (const auto& e : block.m_palette) EXPECT_EQ(e, (ColourEntry{u"", 0}));

  std::u16string many = kPalette + u"|";
  for (int i = 0; i < 300; ++i) many += u"7|";
  block = CCadStateBlock::Parse(many + u"\n" + kLayers + u"|L");
  ASSERT_EQ(block.m_palette.size(), 257u);
  EXPECT_EQ(block.m_palette[256], (ColourEntry{u"256", 7}));
  EXPECT_EQ(block.m_layers, std::vector<std::u16string>{u"L"});
}

TEST(CadStateBlock, PaletteNumbersReadLikeTheCadSideWritesThem) {
  EXPECT_EQ(ParsePaletteNumber(u"  -12x"), -12);
  EXPECT_EQ(ParsePaletteNumber(u"+7"), 7);
  EXPECT_EQ(ParsePaletteNumber(u"abc"), 0);
  EXPECT_EQ(ParsePaletteNumber(u""), 0);
  EXPECT_EQ(ParsePaletteNumber(u"99999999999999999999"), 2147483647);
  EXPECT_EQ(ParsePaletteNumber(u"-99999999999999999999"), -2147483647 - 1);
}

TEST(CadStateBlock, ReadsThroughItsSource) {
  CMemoryCadStateSource none;
  EXPECT_TRUE(CCadStateBlock::Read(none).m_layers.empty());
  CMemoryCadStateSource published(kLayers + u"|A" + std::u16string(1, u'\0') + u"\n" + kLayers + u"|B");
  EXPECT_EQ(CCadStateBlock::Read(published).m_layers, std::vector<std::u16string>{u"A"});
}

}  // namespace
}  // namespace vk
