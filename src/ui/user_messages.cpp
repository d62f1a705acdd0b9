#include "ui/user_messages.h"

#include <optional>

#include "ui/platform_defaults.h"

namespace vk {

namespace {
UserMessages* g_messages = nullptr;
UserMessages* g_messagesInstalled = nullptr;
std::optional<std::u16string> g_caption;
// The product's module is "Vellumark.dll"; the module sets its real name when it starts.
std::u16string g_moduleCaption = u"Vellumark";
}  // namespace

UserMessages& UserMessages::Current() {
  if (g_messages) return *g_messages;
  return g_messagesInstalled ? *g_messagesInstalled : platform::DefaultUserMessages();
}
void UserMessages::SetCurrent(UserMessages* messages) { g_messages = messages; }
void UserMessages::Install(UserMessages* messages) { g_messagesInstalled = messages; }

std::u16string MessageCaption() { return g_caption ? *g_caption : g_moduleCaption; }

void SetModuleCaption(std::u16string caption) { g_moduleCaption = std::move(caption); }

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
