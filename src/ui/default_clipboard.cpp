// The clipboard behind the process-wide holder until one is installed.
#include "ui/platform_defaults.h"

#ifndef _WIN32

#include "ui/memory_clipboard.h"

namespace vk::platform {

Clipboard& DefaultClipboard() {
  static MemoryClipboard clipboard;
  return clipboard;
}

}  // namespace vk::platform

#else  // _WIN32

namespace vk::platform {

namespace {

class AbsentClipboard final : public Clipboard {
 public:
  std::vector<ClipboardFormat> Formats() override { return {}; }
  std::optional<std::vector<uint8_t>> Data(uint32_t) override { return std::nullopt; }
  bool HasMetafilePicture() override { return false; }
  bool CopyMetafileTo(const std::u16string&) override { return false; }
  bool Replace(const std::vector<ClipboardItem>&, bool) override { return false; }
};

}  // namespace

Clipboard& DefaultClipboard() {
  static AbsentClipboard clipboard;
  return clipboard;
}

}  // namespace vk::platform

#endif
