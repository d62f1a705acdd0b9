#pragma once
#include <vector>

#include "ui/clipboard.h"

namespace vk {

// A clipboard held in memory, for native builds and tests. Registered names get numbers from
// 0xC000 on, as the platform gives them, and keep them for the clipboard's life; the metafile
// picture is a fixed minimal Windows metafile, written through the shell like any file.
class MemoryClipboard final : public Clipboard {
 public:
  std::vector<ClipboardFormat> Formats() override;
  std::optional<std::vector<uint8_t>> Data(uint32_t format) override;
  bool HasMetafilePicture() override { return metafile_; }
  bool CopyMetafileTo(const std::u16string& path) override;
  bool Replace(const std::vector<ClipboardItem>& items, bool metafilePicture) override;

  // The bytes CopyMetafileTo writes: a metafile header and its end-of-file record.
  static const std::vector<uint8_t>& MetafileBytes();

 private:
  struct Entry {
    ClipboardFormat format;
    std::vector<uint8_t> bytes;
    bool renders = true;
  };
  uint32_t Register(const std::u16string& name);

  std::vector<std::u16string> registered_;
  std::vector<Entry> entries_;
  bool metafile_ = false;
};

}  // namespace vk
