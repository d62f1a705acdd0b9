#include "ui/user_messages.h"

namespace vk {
namespace {

// Until the product or a test installs a real one, messages go nowhere and every question is
// answered with its refusing button, so nothing is replaced or removed without a user.
class SilentMessages final : public UserMessages {
 public:
  int Show(const std::u16string&, const std::u16string&, uint32_t style) override {
    const uint32_t buttons = style & 0xF;
    if (buttons == kMbYesNo) return kIdNo;
    if (buttons == kMbYesNoCancel || buttons == kMbOkCancel) return kIdCancel;
    return kIdOk;
  }
};

SilentMessages g_silent;
UserMessages* g_current = nullptr;
std::u16string g_caption = u"Vellumark";  // the module's file name, until the module says otherwise

}  // namespace

UserMessages& UserMessages::Current() { return g_current ? *g_current : g_silent; }
void UserMessages::SetCurrent(UserMessages* messages) { g_current = messages; }

std::u16string MessageCaption() { return g_caption; }
void SetMessageCaption(std::u16string caption) { g_caption = std::move(caption); }

int ShowWarning(const std::u16string& text) { return UserMessages::Current().Show(text, g_caption, kMbOk | kMbIconWarning); }

int AskYesNo(const std::u16string& text) {
  return UserMessages::Current().Show(text, g_caption, kMbYesNo | kMbIconQuestion) == kIdYes ? kIdYes : kIdNo;
}

}  // namespace vk
