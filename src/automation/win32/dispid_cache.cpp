#include "automation/win32/dispid_cache.h"

#include <cstring>
#include <map>

namespace vk {

std::shared_ptr<DispIdCache> DispIdCache::ForType(const GUID& iid) {
  struct Less {
    bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
  };
  static std::mutex mutex;
  static std::map<GUID, std::shared_ptr<DispIdCache>, Less> caches;
  std::lock_guard lock(mutex);
  std::shared_ptr<DispIdCache>& cache = caches[iid];
  if (!cache) cache = std::make_shared<DispIdCache>();
  return cache;
}

bool DispIdCache::Find(std::u16string_view name, DISPID* id) const {
  std::lock_guard lock(mutex_);
  auto found = ids_.find(std::u16string(name));
  if (found == ids_.end()) return false;
  *id = found->second;
  return true;
}

void DispIdCache::Store(std::u16string_view name, DISPID id) {
  std::lock_guard lock(mutex_);
  ids_[std::u16string(name)] = id;
}

}  // namespace vk
