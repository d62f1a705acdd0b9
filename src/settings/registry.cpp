#include "settings/registry.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "settings/option_table.h"

namespace vk {
namespace {

// Class-wide, as every entry point sets the same pair before touching settings. Until a hive is
// installed the class behaves as with an empty company name: reads give their default, writes
// report failure. The product installs the Win32 hive at load time, tests a fresh one per test.
RegistryHive* g_hive = nullptr;
RegistryRoot g_root = RegistryRoot::CurrentUser;
std::u16string g_company;

// Opens <root>\software\<company>\<subKey> afresh, creating the company key and the sub-key path
// on the way (reads too: the CAD side expects the keys to exist once the add-in has looked).
// Every intermediate handle is closed before the result is returned.
std::unique_ptr<RegistryKey> OpenSettingsKey(std::u16string_view subKey) {
  if (!g_hive || g_company.empty()) return nullptr;
  std::unique_ptr<RegistryKey> company;
  {
    const std::unique_ptr<RegistryKey> root = g_hive->OpenRoot(g_root);
    if (!root) return nullptr;
    const std::unique_ptr<RegistryKey> software = root->OpenSubKey(u"software", false);
    if (!software) return nullptr;
    company = software->OpenSubKey(g_company, true);
  }
  if (!company || subKey.empty()) return company;
  return company->OpenSubKey(subKey, true);
}

}  // namespace

void CRegistry::SetHive(RegistryHive* hive) { g_hive = hive; }
RegistryHive* CRegistry::Hive() { return g_hive; }

void CRegistry::SetRootKey(RegistryRoot root, std::u16string_view company) {
  g_root = root;
  g_company.assign(company);
}

int32_t CRegistry::GetNumber(std::u16string_view subKey, std::u16string_view name, int32_t defaultValue) {
  const std::unique_ptr<RegistryKey> key = OpenSettingsKey(subKey);
  if (!key) return defaultValue;
  // Whatever the stored type: up to four bytes come back as the number (a 4-byte binary value
  // reads as its bytes, a one-character text as its code); anything longer is a failed read.
  uint8_t buffer[4] = {0, 0, 0, 0};
  uint32_t size = sizeof buffer;
  RegType type = RegType::None;
  if (key->QueryValue(name, &type, buffer, &size) != kRegOk) return defaultValue;
  int32_t value = 0;
  std::memcpy(&value, buffer, sizeof value);
  return value;
}

std::u16string CRegistry::GetText(std::u16string_view subKey, std::u16string_view name,
                                  std::u16string_view defaultValue) {
  const std::unique_ptr<RegistryKey> key = OpenSettingsKey(subKey);
  if (!key) return std::u16string(defaultValue);
  RegType type = RegType::None;
  uint32_t size = 0;
  if (key->QueryValue(name, &type, nullptr, &size) != kRegOk) return std::u16string(defaultValue);
  // The value may change between the two queries (the CAD side writes when it likes); a value
  // that grew meanwhile is a failed read. The buffer keeps room for a terminator of its own, so
  // stored text without one is never read past its end.
  std::vector<char16_t> buffer(size / 2 + 2, u'\0');
  uint32_t got = size;
  if (key->QueryValue(name, &type, reinterpret_cast<uint8_t*>(buffer.data()), &got) != kRegOk)
    return std::u16string(defaultValue);
  const size_t chars = std::min<size_t>(got / 2, buffer.size() - 1);
  std::u16string text(buffer.data(), chars);
  const size_t end = text.find(u'\0');
  if (end != std::u16string::npos) text.resize(end);
  return text;
}

bool CRegistry::SetNumber(std::u16string_view subKey, std::u16string_view name, int32_t value) {
  const std::unique_ptr<RegistryKey> key = OpenSettingsKey(subKey);
  if (!key) return false;
  uint8_t bytes[4];
  std::memcpy(bytes, &value, sizeof bytes);
  return key->SetValue(name, RegType::Dword, bytes, sizeof bytes) == kRegOk;
}

bool CRegistry::SetText(std::u16string_view subKey, std::u16string_view name, std::u16string_view text) {
  const std::unique_ptr<RegistryKey> key = OpenSettingsKey(subKey);
  if (!key) return false;
  const std::u16string terminated(text);  // c_str() brings the terminator the stored size counts
  return key->SetValue(name, RegType::Sz, reinterpret_cast<const uint8_t*>(terminated.c_str()),
                       static_cast<uint32_t>((terminated.size() + 1) * sizeof(char16_t))) == kRegOk;
}

std::u16string ImportOptionKey(int32_t funcState, int32_t useGlobalOption) {
  if ((funcState == 1 && useGlobalOption == 0) || funcState == 2) return kCurrentOptionsKey;
  return kProductKey;
}

std::u16string SheetOptionKey(int32_t funcState) {
  if (funcState == 1 && ReadOption(options::kUseGlobalOption) == 0) return kCurrentOptionsKey;
  return kProductKey;
}

}  // namespace vk
