#pragma once
#include <windows.h>

#include "ui/clipboard.h"

namespace vk {

// The platform's clipboard. Formats are read with the clipboard's own enumeration, which lists
// them in the order their owner put them, whether the owner used the OLE clipboard or not, and
// needs no OLE on the calling thread. Whatever Replace puts is owned by a hidden window of this
// module, which renders nothing on request: a format put without data stays unavailable. Wine
// takes no data of size 0 (measured: SetClipboardData refuses it), so such a put answers false.
class Win32Clipboard final : public Clipboard {
 public:
  ~Win32Clipboard() override;

  std::vector<ClipboardFormat> Formats() override;
  std::optional<std::vector<uint8_t>> Data(uint32_t format) override;
  bool HasMetafilePicture() override;
  bool CopyMetafileTo(const std::u16string& path) override;
  bool Replace(const std::vector<ClipboardItem>& items, bool metafilePicture) override;

 private:
  HWND Owner();

  HWND owner_ = nullptr;
};

}  // namespace vk
