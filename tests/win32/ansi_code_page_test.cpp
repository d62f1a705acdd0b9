#include "settings/win32/win32_ansi_code_page.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vk {
namespace {

// The portable decoder stands in for the system's where no system is asked: on a Windows-1252
// system both must give the same text for every byte.
TEST(Win32AnsiCodePage, AgreesWithThePortableTableOnWindows1252) {
  if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << GetACP();
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(CWin32AnsiCodePage().ToUtf16(all), DecodeWindows1252(all));
  EXPECT_EQ(CWin32AnsiCodePage().ToUtf16(""), u"");
}

}  // namespace
}  // namespace vk
