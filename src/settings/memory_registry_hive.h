#pragma once
#include <memory>

#include "settings/registry_hive.h"

namespace vk {

// Status codes the memory hive returns beyond the shared ones; same numbers as the platform's.
inline constexpr long kRegInvalidParameter = 87;
inline constexpr long kRegBadPathname = 161;
inline constexpr long kRegKeyDeleted = 1018;

// A registry held in memory, for native builds and tests. It answers the Reg* calls the way the
// real registry does where CRegistry can tell the difference: names compare without regard to
// (ASCII) case, a fresh hive already has the "Software" key under each root as every Windows
// profile does, a short query buffer gives kRegMoreData with the size needed, and a handle whose
// key was deleted fails with kRegKeyDeleted. Handles stay valid while the hive lives.
class MemoryRegistryHive final : public RegistryHive {
 public:
  MemoryRegistryHive();
  ~MemoryRegistryHive() override;
  MemoryRegistryHive(const MemoryRegistryHive&) = delete;
  MemoryRegistryHive& operator=(const MemoryRegistryHive&) = delete;

  std::unique_ptr<RegistryKey> OpenRoot(RegistryRoot root) override;

  struct Node;

 private:
  std::shared_ptr<Node> roots_[3];
};

}  // namespace vk
