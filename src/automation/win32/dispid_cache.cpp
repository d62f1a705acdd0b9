#include "automation/win32/dispid_cache.h"

#include <cstring>
#include <map>

namespace vk {

std::shared_ptr<DispIdCache> DispIdCache::ForType(const GUID& iid) {
  // Every new object of a cell (its Range, Font, Interior, Borders…) asks once for its type's
  // cache: the few types a thread met last are answered without the process-wide lock.
  // Plain pointers only, so that no thread-local destructor outlives the module: the caches
  // themselves live as long as the process.
  struct Recent {
    GUID iid;
    DispIdCache* cache;
  };
  constexpr size_t kRecent = 8;
  thread_local Recent recent[kRecent] = {};
  thread_local size_t next = 0;
  for (const Recent& r : recent) {
    if (r.cache != nullptr && std::memcmp(&r.iid, &iid, sizeof(GUID)) == 0) return r.cache->shared_from_this();
  }
  std::shared_ptr<DispIdCache> found = Shared(iid);
  recent[next] = {iid, found.get()};
  next = (next + 1) % kRecent;
  return found;
}

std::shared_ptr<DispIdCache> DispIdCache::Shared(const GUID& iid) {
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
  auto found = ids_.find(name);
  if (found == ids_.end()) return false;
  *id = found->second;
  return true;
}

void DispIdCache::Store(std::u16string_view name, DISPID id) {
  std::lock_guard lock(mutex_);
  ids_.insert_or_assign(std::u16string(name), id);
}

}  // namespace vk
