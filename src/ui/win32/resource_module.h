#pragma once
#include <windows.h>

namespace vk {

// The module whose dialog templates, strings and file name the product uses: the add-in DLL
// (set from DllMain at start-up) or, until something is set, the executable (the tests).
class ResourceModule {
 public:
  static HMODULE Get();
  static void Set(HMODULE module);
};

}  // namespace vk
