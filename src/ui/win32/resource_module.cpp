#include "ui/win32/resource_module.h"

#include "automation/win32/win32_text.h"

namespace vk {

namespace {

HMODULE g_module = nullptr;

HRSRC FindByLanguage(const wchar_t* type, const wchar_t* name, LANGID language) {
  HMODULE module = ResourceModule::Get();
  if (language == 0) language = ResourceModule::ThreadLanguage();
  HRSRC resource = FindResourceExW(module, type, name, language);
  if (resource == nullptr) resource = FindResourceExW(module, type, name, kLangEnglish);
  if (resource == nullptr) resource = FindResourceW(module, name, type);
  return resource;
}

const void* Lock(HRSRC resource, DWORD* size = nullptr) {
  if (resource == nullptr) return nullptr;
  HMODULE module = ResourceModule::Get();
  HGLOBAL loaded = LoadResource(module, resource);
  if (size != nullptr) *size = SizeofResource(module, resource);
  return loaded ? LockResource(loaded) : nullptr;
}

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

LANGID ResourceModule::ThreadLanguage() {
  return PRIMARYLANGID(LANGIDFROMLCID(GetThreadLocale())) == LANG_JAPANESE ? kLangJapanese : kLangEnglish;
}

const DLGTEMPLATE* ResourceModule::DialogTemplate(const wchar_t* name, LANGID language) {
  return static_cast<const DLGTEMPLATE*>(Lock(FindByLanguage(RT_DIALOG, name, language)));
}

std::u16string ResourceModule::String(UINT id, LANGID language) {
  // Strings live in blocks of sixteen, each a count followed by that many UTF-16 units.
  DWORD size = 0;
  const auto* block = static_cast<const char16_t*>(
      Lock(FindByLanguage(RT_STRING, MAKEINTRESOURCEW((id >> 4) + 1), language), &size));
  if (block == nullptr) return {};
  const char16_t* end = block + size / sizeof(char16_t);
  const char16_t* p = block;
  for (UINT i = 0; i < (id & 15u); ++i) {
    if (p >= end) return {};
    p += 1 + *p;
  }
  if (p >= end || p + 1 + *p > end) return {};
  return std::u16string(p + 1, *p);
}

HMENU ResourceModule::Menu(UINT id, LANGID language) {
  const void* menu = Lock(FindByLanguage(RT_MENU, MAKEINTRESOURCEW(id), language));
  return menu ? LoadMenuIndirectW(menu) : nullptr;
}

}  // namespace vk
