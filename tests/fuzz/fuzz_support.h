#pragma once
// Shared by the fuzz targets: a settings store in memory holding the fuzzer's bytes as a value,
// and messages that go nowhere.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/memory_registry_hive.h"
#include "settings/registry.h"
#include "ui/user_messages.h"

namespace vk::fuzz {

// A finding: libFuzzer reports the crash with its input.
inline void Check(bool ok) {
  if (!ok) std::abort();
}

// A fresh memory hive installed for one input, the bytes stored under the option key as they
// came (any length, odd ones too), so the read path sees what a damaged profile could hold.
class StoredValue {
 public:
  StoredValue(std::u16string_view name, const uint8_t* data, size_t size) {
    CRegistry::SetHive(&hive_);
    CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
    auto root = hive_.OpenRoot(RegistryRoot::CurrentUser);
    auto key = root->OpenSubKey(u"Software\\Zelkor\\Vellumark", true);
    Check(key && key->SetValue(name, RegType::Sz, data, static_cast<uint32_t>(size)) == kRegOk);
  }
  ~StoredValue() { CRegistry::SetHive(nullptr); }

 private:
  MemoryRegistryHive hive_;
};

// Answers every question with Yes so that replacing and removing run too.
class YesMessages final : public UserMessages {
 public:
  YesMessages() { UserMessages::SetCurrent(this); }
  ~YesMessages() override { UserMessages::SetCurrent(nullptr); }
  int Show(const std::u16string&, const std::u16string&, uint32_t style) override {
    return (style & 0xF) == kMbYesNo ? kIdYes : kIdOk;
  }
};

}  // namespace vk::fuzz
