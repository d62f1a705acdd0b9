#pragma once
#include <windows.h>

#include "settings/registry_hive.h"

namespace vk {

// The real registry through the Reg* API. Keys are opened with the access the hive was made
// with: read and write for the settings (CRegistry opens "software" that way), read only for
// callers that only look up machine-wide values, which an ordinary user may not write.
class Win32RegistryHive final : public RegistryHive {
 public:
  explicit Win32RegistryHive(REGSAM access = KEY_READ | KEY_WRITE) : access_(access) {}

  std::unique_ptr<RegistryKey> OpenRoot(RegistryRoot root) override;

  static HKEY PredefinedKey(RegistryRoot root);

 private:
  REGSAM access_;
};

}  // namespace vk
