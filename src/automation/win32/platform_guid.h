#pragma once
#include <windows.h>

#include <algorithm>

#include "automation/guid.h"

namespace vk {

inline GUID ToPlatformGuid(const Guid& id) {
  GUID result{id.data1, id.data2, id.data3, {}};
  std::copy(std::begin(id.data4), std::end(id.data4), result.Data4);
  return result;
}

inline Guid FromPlatformGuid(const GUID& id) {
  Guid result{static_cast<uint32_t>(id.Data1), id.Data2, id.Data3, {}};
  std::copy(std::begin(id.Data4), std::end(id.Data4), result.data4);
  return result;
}

}  // namespace vk
