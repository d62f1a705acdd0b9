#pragma once
#include "ui/user_messages.h"

namespace vk {

// Message boxes of the platform, owned by the thread's active window (Excel's, in the product).
class Win32UserMessages final : public UserMessages {
 public:
  int Show(const std::u16string& text, const std::u16string& caption, uint32_t style) override;
};

}  // namespace vk
