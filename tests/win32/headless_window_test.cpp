#include <windows.h>

#include <gtest/gtest.h>

// The suite runs under Wine's null graphics driver: windows must exist without a display.
TEST(HeadlessWine, CreatesAndFindsATopLevelWindowByTitle) {
  HWND window = CreateWindowExW(0, L"STATIC", L"vellumark-probe", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(FindWindowW(nullptr, L"vellumark-probe"), window);
  DestroyWindow(window);
}
