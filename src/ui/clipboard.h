#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vk {

// The platform's predefined metafile-picture format (CF_METAFILEPICT).
inline constexpr uint32_t kCfMetafilePict = 3;

// One format on the clipboard: its number and, for a registered format, the name it was
// registered under (empty for the predefined ones).
struct ClipboardFormat {
  uint32_t id = 0;
  std::u16string name;
};

// One registered format to put on the clipboard. A format that does not render is offered but
// yields no data when fetched, as a delayed rendering that its owner never completes.
struct ClipboardItem {
  std::u16string name;
  std::vector<uint8_t> bytes;
  bool renders = true;
};

// The clipboard as the picture export reads it and as the stand-in Excel fills it when a shape
// is copied. Every call opens and closes the clipboard itself: nothing holds it between calls.
class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // The formats on the clipboard, in the clipboard's order.
  virtual std::vector<ClipboardFormat> Formats() = 0;
  // A format's bytes (empty for data of size 0); nothing when its data cannot be fetched.
  virtual std::optional<std::vector<uint8_t>> Data(uint32_t format) = 0;
  // A metafile picture (CF_METAFILEPICT) is offered.
  virtual bool HasMetafilePicture() = 0;
  // Copies the metafile picture's metafile into a .wmf file of that name, created or replaced;
  // false when there is none or the copy fails.
  virtual bool CopyMetafileTo(const std::u16string& path) = 0;
  // Empties the clipboard and puts the registered formats on it in this order, and a metafile
  // picture when asked. False when the clipboard could not be taken.
  virtual bool Replace(const std::vector<ClipboardItem>& items, bool metafilePicture) = 0;

  static Clipboard& Current();
  // A stand-in for a while; null goes back to the installed one.
  static void SetCurrent(Clipboard* clipboard);
  // The platform's own, installed once when the module starts.
  static void Install(Clipboard* clipboard);
};

}  // namespace vk
