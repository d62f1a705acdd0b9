// Messages and progress windows for a process in which nobody can answer or watch.
#include "ui/platform_defaults.h"

namespace vk::platform {

namespace {

// Every question takes its refusing button, so nothing is replaced or removed without a user.
class SilentMessages final : public UserMessages {
 public:
  int Show(const std::u16string&, const std::u16string&, uint32_t style) override {
    const uint32_t buttons = style & 0xF;
    if (buttons == kMbYesNo) return kIdNo;
    if (buttons == kMbYesNoCancel || buttons == kMbOkCancel) return kIdCancel;
    return kIdOk;
  }
};

class SilentProgress final : public ProgressWindow {
 public:
  void SetText(const std::u16string&) override {}
  void SetRange(int, int) override {}
  void SetPos(int) override {}
  void SetStep(int) override {}
  void StepIt() override {}
};

class SilentProgressFactory final : public ProgressFactory {
 public:
  std::unique_ptr<ProgressWindow> Create() override { return std::make_unique<SilentProgress>(); }
};

}  // namespace

UserMessages& DefaultUserMessages() {
  static SilentMessages messages;
  return messages;
}

ProgressFactory& DefaultProgressFactory() {
  static SilentProgressFactory factory;
  return factory;
}

}  // namespace vk::platform
