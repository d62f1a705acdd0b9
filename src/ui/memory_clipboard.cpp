#include "ui/memory_clipboard.h"

#include <cstdio>

#include "ui/shell.h"
#include "text/text_format.h"

namespace vk {

namespace {
constexpr uint32_t kFirstRegisteredFormat = 0xC000;
}  // namespace

const std::vector<uint8_t>& MemoryClipboard::MetafileBytes() {
  // Header: memory metafile (1), 9-word header, version 0x0300, 12 words in all, no objects,
  // largest record 3 words, no parameters; then the 3-word end-of-file record.
  static const std::vector<uint8_t> bytes = {
      0x01, 0x00, 0x09, 0x00, 0x00, 0x03, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00,
  };
  return bytes;
}

uint32_t MemoryClipboard::Register(const std::u16string& name) {
  for (size_t i = 0; i < registered_.size(); ++i) {
    if (SameTextIgnoringCase(registered_[i], name)) return kFirstRegisteredFormat + static_cast<uint32_t>(i);
  }
  registered_.push_back(name);
  return kFirstRegisteredFormat + static_cast<uint32_t>(registered_.size() - 1);
}

std::vector<ClipboardFormat> MemoryClipboard::Formats() {
  std::vector<ClipboardFormat> formats;
  if (metafile_) formats.push_back({kCfMetafilePict, {}});
  for (const Entry& entry : entries_) formats.push_back(entry.format);
  return formats;
}

std::optional<std::vector<uint8_t>> MemoryClipboard::Data(uint32_t format) {
  for (const Entry& entry : entries_) {
    if (entry.format.id != format) continue;
    if (!entry.renders) return std::nullopt;
    return entry.bytes;
  }
  return std::nullopt;
}

bool MemoryClipboard::CopyMetafileTo(const std::u16string& path) {
  if (!metafile_ || path.empty()) return false;
  std::FILE* file = Shell::Current().CreateForWriting(path, nullptr);
  if (file == nullptr) return false;
  const std::vector<uint8_t>& bytes = MetafileBytes();
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool MemoryClipboard::Replace(const std::vector<ClipboardItem>& items, bool metafilePicture) {
  entries_.clear();
  for (const ClipboardItem& item : items) {
    const uint32_t id = Register(item.name);
    // The name reads back as first registered, whatever the case of later spellings.
    const ClipboardFormat format{id, registered_[id - kFirstRegisteredFormat]};
    // A format put twice keeps its first place and takes the later data, as SetClipboardData does.
    bool replaced = false;
    for (Entry& entry : entries_) {
      if (entry.format.id != format.id) continue;
      entry.bytes = item.bytes;
      entry.renders = item.renders;
      replaced = true;
    }
    if (!replaced) entries_.push_back({format, item.bytes, item.renders});
  }
  metafile_ = metafilePicture;
  return true;
}

}  // namespace vk
