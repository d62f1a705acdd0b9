#include "ui/win32/win32_user_messages.h"

#include "automation/win32/win32_text.h"

namespace vk {

int Win32UserMessages::Show(const std::u16string& text, const std::u16string& caption, uint32_t style) {
  return MessageBoxW(GetActiveWindow(), W(text), W(caption), style);
}

}  // namespace vk
