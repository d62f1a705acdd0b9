#include "ui/win32/resource_module.h"

#include "automation/win32/win32_text.h"

namespace vk {

namespace {
HMODULE g_module = nullptr;
}  // namespace

HMODULE ResourceModule::Get() { return g_module ? g_module : GetModuleHandleW(nullptr); }
void ResourceModule::Set(HMODULE module) { g_module = module; }

std::wstring ModuleFilePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);  // long paths: grow until the name fits
  }
}

std::u16string ModuleBaseName(HMODULE module) {
  std::wstring path = ModuleFilePath(module);
  size_t start = path.find_last_of(L"\\/");
  std::wstring name = path.substr(start == std::wstring::npos ? 0 : start + 1);
  size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return FromWide(std::wstring_view(name));
}

}  // namespace vk
