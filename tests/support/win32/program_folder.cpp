#include "win32/program_folder.h"

#include "ui/win32/resource_module.h"

namespace vk::test {

std::wstring ProgramFolder() {
  std::wstring folder = ModuleFilePath(GetModuleHandleW(nullptr));
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder;
}

}  // namespace vk::test
