#pragma once
#include <windows.h>

#include <string>

namespace vk {

// The module whose dialog templates, strings and file name the product uses: the add-in DLL
// (set from DllMain at start-up) or, until something is set, the executable (the tests).
class ResourceModule {
 public:
  static HMODULE Get();
  static void Set(HMODULE module);
};

// The module's full file name, however long; empty when the system cannot name it.
std::wstring ModuleFilePath(HMODULE module);
// The module's file name without folder and extension: "Vellumark" for the add-in DLL.
std::u16string ModuleBaseName(HMODULE module);

}  // namespace vk
