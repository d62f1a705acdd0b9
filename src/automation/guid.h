#pragma once
#include <cstdint>
#include <string>

namespace vk {

// Same layout as the platform's GUID, so the Windows edge can cast between them.
struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  uint8_t data4[8] = {};

  friend bool operator==(const Guid&, const Guid&) = default;
  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case, as the registry writes them.
  std::u16string ToString() const;
};

// Excel's Range interface: the driver asks the selection for it.
inline constexpr Guid kIidExcelRange{0x00020846, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr Guid kIidDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

}  // namespace vk
