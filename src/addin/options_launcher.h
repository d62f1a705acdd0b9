#pragma once
#include <cstdint>
#include <string>

namespace vk {

// Opens the Options property sheet, modally, with its caption and the FuncState that decides
// which option set its pages edit. The product's launcher shows the real sheet; tests install
// one that records the request.
class OptionsLauncher {
 public:
  virtual ~OptionsLauncher() = default;
  virtual void Show(const std::u16string& title, int32_t funcState) = 0;

  static OptionsLauncher& Current();
  static void SetCurrent(OptionsLauncher* launcher);  // null restores the product's launcher
};

}  // namespace vk
