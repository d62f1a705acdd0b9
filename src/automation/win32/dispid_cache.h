#pragma once
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vk {

// DISPIDs of member names for one interface type. Every object of a type shares one cache, so
// a member name is looked up once per type rather than on each call: the DISPIDs of an
// interface are fixed by its type, whichever object implements it.
class DispIdCache {
 public:
  // The process-wide cache of the interface type iid, created on first use.
  static std::shared_ptr<DispIdCache> ForType(const GUID& iid);

  bool Find(std::u16string_view name, DISPID* id) const;
  void Store(std::u16string_view name, DISPID id);

 private:
  mutable std::mutex mutex_;
  std::unordered_map<std::u16string, DISPID> ids_;
};

}  // namespace vk
