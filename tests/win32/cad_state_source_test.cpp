#include "settings/win32/win32_cad_state_source.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "settings/cad_state_block.h"
#include "automation/win32/win32_text.h"

namespace vk {
namespace {

// Publishes bytes under a mapping name the way the CAD side does, for as long as it lives.
class PublishedBlock {
 public:
  PublishedBlock(const std::u16string& name, const void* data, size_t size) {
    m_mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(size), W(name));
    if (void* view = MapViewOfFile(m_mapping, FILE_MAP_WRITE, 0, 0, 0)) {
      std::memcpy(view, data, size);
      UnmapViewOfFile(view);
    }
  }
  ~PublishedBlock() { CloseHandle(m_mapping); }
  bool Ok() const { return m_mapping != nullptr; }

 private:
  HANDLE m_mapping = nullptr;
};

std::u16string UniqueName(const char* tag) {
  const std::string s = std::string("vk-cad-state-test-") + tag + "-" + std::to_string(GetCurrentProcessId());
  return std::u16string(s.begin(), s.end());
}

TEST(Win32CadStateSource, ReadsThePublishedTextUpToItsZero) {
  const std::u16string name = UniqueName("text");
  CWin32CadStateSource source(name);
  EXPECT_EQ(source.ReadText(), u"");  // nothing published yet

  const std::u16string text = std::u16string(kCadLayerListMarker) + u"|0|*Walls|\u58C1\n" +
                              kCadPaletteMarker + u"|255";
  const std::u16string withTail = text + std::u16string(1, u'\0') + u"after the end";
  PublishedBlock block(name, withTail.data(), (withTail.size() + 1) * sizeof(char16_t));
  ASSERT_TRUE(block.Ok());
  EXPECT_EQ(source.ReadText(), text);
  const auto parsed = CCadStateBlock::Read(source);
  EXPECT_EQ(parsed.m_layers, (std::vector<std::u16string>{u"0", u"Walls", u"\u58C1"}));
  EXPECT_EQ(parsed.m_palette.at(0), (ColourEntry{u"0", 0xFF}));
}

TEST(Win32CadStateSource, ABlockWithoutZeroEndsAtTheEndOfTheView) {
  const std::u16string name = UniqueName("full");
  std::vector<char16_t> full(64 * 1024, u'A');
  PublishedBlock block(name, full.data(), full.size() * sizeof(char16_t));
  ASSERT_TRUE(block.Ok());
  EXPECT_EQ(CWin32CadStateSource(name).ReadText(), std::u16string(full.size(), u'A'));
}

}  // namespace
}  // namespace vk
