// The test programs' entry point. A Windows test program is its own module: it installs the
// Win32 pieces for itself, as the add-in does when Excel loads it.
#include <gtest/gtest.h>

#ifdef _WIN32
#include "ui/win32/win32_services.h"
#endif

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
  vk::InstallWin32Services(GetModuleHandleW(nullptr));
#endif
  return RUN_ALL_TESTS();
}
