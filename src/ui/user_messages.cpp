#include "ui/user_messages.h"

#include <optional>

#include "ui/platform_defaults.h"

namespace vk {

namespace {
UserMessages* g_messages = nullptr;
std::optional<std::u16string> g_caption;
}  // namespace

UserMessages& UserMessages::Current() { return g_messages ? *g_messages : platform::DefaultUserMessages(); }
void UserMessages::SetCurrent(UserMessages* messages) { g_messages = messages; }

std::u16string MessageCaption() { return g_caption ? *g_caption : platform::ModuleCaption(); }

// An empty caption restores the module's name.
void SetMessageCaption(std::u16string caption) {
  if (caption.empty()) {
    g_caption.reset();
  } else {
    g_caption = std::move(caption);
  }
}

int ShowWarning(const std::u16string& text) {
  return UserMessages::Current().Show(text, MessageCaption(), kMbOk | kMbIconWarning);
}

int AskYesNo(const std::u16string& text) {
  return UserMessages::Current().Show(text, MessageCaption(), kMbYesNo | kMbIconQuestion) == kIdYes ? kIdYes : kIdNo;
}

}  // namespace vk
