#include "settings/ansi_code_page.h"

namespace vk {

namespace {

// 0x80..0x9F; everything else in Windows-1252 equals its Latin-1 code point.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

class Windows1252CodePage final : public AnsiCodePage {
 public:
  std::u16string ToUtf16(std::string_view text) override { return DecodeWindows1252(text); }
};

Windows1252CodePage g_default;
AnsiCodePage* g_current = &g_default;

}  // namespace

std::u16string DecodeWindows1252(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    out.push_back(b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : static_cast<char16_t>(b));
  }
  return out;
}

AnsiCodePage& AnsiCodePage::Current() { return *g_current; }

void AnsiCodePage::SetCurrent(AnsiCodePage* codePage) { g_current = codePage ? codePage : &g_default; }

}  // namespace vk
