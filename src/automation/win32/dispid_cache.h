#pragma once
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <functional>
#include <unordered_map>

namespace vk {

// DISPIDs of member names for one interface type. Every object of a type shares one cache, so
// a member name is looked up once per type rather than on each call: the DISPIDs of an
// interface are fixed by its type, whichever object implements it.
class DispIdCache : public std::enable_shared_from_this<DispIdCache> {
 public:
  // The process-wide cache of the interface type iid, created on first use.
  static std::shared_ptr<DispIdCache> ForType(const GUID& iid);

  bool Find(std::u16string_view name, DISPID* id) const;
  void Store(std::u16string_view name, DISPID id);

 private:
  static std::shared_ptr<DispIdCache> Shared(const GUID& iid);

  // Looked up by the caller's view of the name: a call that finds its DISPID copies no string.
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::u16string_view name) const noexcept { return std::hash<std::u16string_view>{}(name); }
  };
  mutable std::mutex mutex_;
  std::unordered_map<std::u16string, DISPID, Hash, std::equal_to<>> ids_;
};

}  // namespace vk
