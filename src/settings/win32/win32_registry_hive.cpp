#include "settings/win32/win32_registry_hive.h"

#include "automation/win32/win32_text.h"

namespace vk {
namespace {

class Win32RegistryKey final : public RegistryKey {
 public:
  // A predefined root is never closed; every key this class opened is.
  Win32RegistryKey(HKEY key, REGSAM access, bool owned) : key_(key), access_(access), owned_(owned) {}
  ~Win32RegistryKey() override {
    if (owned_) RegCloseKey(key_);
  }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  std::unique_ptr<RegistryKey> OpenSubKey(std::u16string_view path, bool create, long* status) override {
    const std::wstring wide = ToWide(path);
    HKEY opened = nullptr;
    const LONG result = create ? RegCreateKeyExW(key_, wide.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access_,
                                                 nullptr, &opened, nullptr)
                               : RegOpenKeyExW(key_, wide.c_str(), 0, access_, &opened);
    if (status) *status = result;
    if (result != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(opened, access_, true);
  }

  long QueryValue(std::u16string_view name, RegType* type, uint8_t* data, uint32_t* size) override {
    const std::wstring wide = ToWide(name);
    DWORD rawType = REG_NONE;
    DWORD rawSize = size ? *size : 0;
    const LONG result = RegQueryValueExW(key_, wide.c_str(), nullptr, &rawType, data, size ? &rawSize : nullptr);
    if (type && (result == ERROR_SUCCESS || result == ERROR_MORE_DATA)) *type = static_cast<RegType>(rawType);
    if (size) *size = rawSize;
    return result;
  }

  long SetValue(std::u16string_view name, RegType type, const uint8_t* data, uint32_t size) override {
    const std::wstring wide = ToWide(name);
    return RegSetValueExW(key_, wide.c_str(), 0, static_cast<DWORD>(type), data, size);
  }

  long DeleteValue(std::u16string_view name) override {
    const std::wstring wide = ToWide(name);
    return RegDeleteValueW(key_, wide.c_str());
  }

  long DeleteTree(std::u16string_view path) override {
    const std::wstring wide = ToWide(path);
    return RegDeleteTreeW(key_, path.empty() ? nullptr : wide.c_str());
  }

 private:
  HKEY key_;
  REGSAM access_;
  bool owned_;
};

}  // namespace

HKEY Win32RegistryHive::PredefinedKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: break;
  }
  return HKEY_CURRENT_USER;
}

std::unique_ptr<RegistryKey> Win32RegistryHive::OpenRoot(RegistryRoot root) {
  return std::make_unique<Win32RegistryKey>(PredefinedKey(root), access_, false);
}

}  // namespace vk
