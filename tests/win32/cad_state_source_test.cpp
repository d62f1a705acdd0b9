#include "settings/win32/win32_cad_state_source.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "settings/cad_state_block.h"
#include "automation/win32/win32_text.h"
#include "win32/published_cad_state.h"

namespace vk {
namespace {

using test::PublishedCadState;
using test::UniqueCadStateName;

TEST(Win32CadStateSource, ReadsThePublishedTextUpToItsZero) {
  const std::u16string name = UniqueCadStateName("text");
  CWin32CadStateSource source(name);
  EXPECT_EQ(source.ReadText(), u"");  // nothing published yet

  const std::u16string text = std::u16string(kCadLayerListMarker) + u"|0|*Walls|\u58C1\n" +
                              kCadPaletteMarker + u"|255";
  const std::u16string withTail = text + std::u16string(1, u'\0') + u"after the end";
  PublishedCadState block(name, withTail.data(), (withTail.size() + 1) * sizeof(char16_t));
  ASSERT_TRUE(block.Ok());
  EXPECT_EQ(source.ReadText(), text);
  const auto parsed = CCadStateBlock::Read(source);
  EXPECT_EQ(parsed.m_layers, (std::vector<std::u16string>{u"0", u"Walls", u"\u58C1"}));
  EXPECT_EQ(parsed.m_palette.at(0), (ColourEntry{u"0", 0xFF}));
}

TEST(Win32CadStateSource, ABlockWithoutZeroEndsAtTheEndOfTheView) {
  const std::u16string name = UniqueCadStateName("full");
  std::vector<char16_t> full(64 * 1024, u'A');
  PublishedCadState block(name, full.data(), full.size() * sizeof(char16_t));
  ASSERT_TRUE(block.Ok());
  EXPECT_EQ(CWin32CadStateSource(name).ReadText(), std::u16string(full.size(), u'A'));
}

}  // namespace
}  // namespace vk
