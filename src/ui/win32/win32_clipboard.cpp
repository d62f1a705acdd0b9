#include "ui/win32/win32_clipboard.h"

#include <cstring>

#include "automation/win32/win32_text.h"

namespace vk {

namespace {

constexpr int kNameBufferLength = 260;

// The clipboard open for the span of one operation; closed on every way out.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

HGLOBAL CopyToGlobal(const void* bytes, size_t size) {
  HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, size);
  if (global == nullptr || size == 0) return global;
  void* target = GlobalLock(global);
  if (target == nullptr) {
    GlobalFree(global);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(global);
  return global;
}

// A small real metafile, as a drawing program offers one: a framed rectangle, 1 by 0.5 inch.
HGLOBAL MakeMetafilePicture() {
  HDC dc = CreateMetaFileW(nullptr);
  if (dc == nullptr) return nullptr;
  Rectangle(dc, 0, 0, 100, 50);
  HMETAFILE metafile = CloseMetaFile(dc);
  if (metafile == nullptr) return nullptr;
  const METAFILEPICT picture{MM_ANISOTROPIC, 2540, 1270, metafile};
  HGLOBAL global = CopyToGlobal(&picture, sizeof picture);
  if (global == nullptr) DeleteMetaFile(metafile);
  return global;
}

}  // namespace

Win32Clipboard::~Win32Clipboard() {
  if (owner_ != nullptr) DestroyWindow(owner_);
}

HWND Win32Clipboard::Owner() {
  if (owner_ == nullptr || !IsWindow(owner_)) {
    owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  return owner_;
}

std::vector<ClipboardFormat> Win32Clipboard::Formats() {
  std::vector<ClipboardFormat> formats;
  OpenedClipboard clipboard(nullptr);
  if (!clipboard) return formats;
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    wchar_t name[kNameBufferLength] = {};
    // Predefined formats have no registered name: the call fails and the name stays empty.
    const int length = GetClipboardFormatNameW(format, name, kNameBufferLength);
    formats.push_back({format, length > 0 ? FromWide(std::wstring_view(name, static_cast<size_t>(length))) : u""});
  }
  return formats;
}

std::optional<std::vector<uint8_t>> Win32Clipboard::Data(uint32_t format) {
  OpenedClipboard clipboard(nullptr);
  if (!clipboard) return std::nullopt;
  HANDLE data = GetClipboardData(format);
  if (data == nullptr) return std::nullopt;
  const SIZE_T size = GlobalSize(data);
  if (size == 0) return std::vector<uint8_t>();
  const void* bytes = GlobalLock(data);
  if (bytes == nullptr) return std::nullopt;
  std::vector<uint8_t> copy(static_cast<const uint8_t*>(bytes), static_cast<const uint8_t*>(bytes) + size);
  GlobalUnlock(data);
  return copy;
}

bool Win32Clipboard::HasMetafilePicture() { return IsClipboardFormatAvailable(CF_METAFILEPICT) != FALSE; }

bool Win32Clipboard::CopyMetafileTo(const std::u16string& path) {
  if (path.empty()) return false;
  HMETAFILE copy = nullptr;
  {
    OpenedClipboard clipboard(nullptr);
    if (!clipboard) return false;
    HANDLE data = GetClipboardData(CF_METAFILEPICT);
    if (data == nullptr) return false;
    const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(data));
    if (picture == nullptr) return false;
    copy = CopyMetaFileW(picture->hMF, W(path));
    GlobalUnlock(data);
  }
  if (copy == nullptr) return false;
  // The file stays; only the handle to its copy goes.
  DeleteMetaFile(copy);
  return true;
}

bool Win32Clipboard::Replace(const std::vector<ClipboardItem>& items, bool metafilePicture) {
  HWND owner = Owner();
  if (owner == nullptr) return false;
  OpenedClipboard clipboard(owner);
  if (!clipboard || !EmptyClipboard()) return false;
  bool complete = true;
  if (metafilePicture) {
    HGLOBAL picture = MakeMetafilePicture();
    if (picture == nullptr || SetClipboardData(CF_METAFILEPICT, picture) == nullptr) {
      if (picture != nullptr) {
        auto* held = static_cast<METAFILEPICT*>(GlobalLock(picture));
        if (held != nullptr) {
          DeleteMetaFile(held->hMF);
          GlobalUnlock(picture);
        }
        GlobalFree(picture);
      }
      complete = false;
    }
  }
  for (const ClipboardItem& item : items) {
    const UINT format = RegisterClipboardFormatW(W(item.name));
    if (format == 0) {
      complete = false;
      continue;
    }
    // Without data the format is offered for rendering on request, which never comes.
    HGLOBAL data = item.renders ? CopyToGlobal(item.bytes.data(), item.bytes.size()) : nullptr;
    if (item.renders && data == nullptr) {
      complete = false;
      continue;
    }
    if (SetClipboardData(format, data) == nullptr && data != nullptr) {
      GlobalFree(data);
      complete = false;
    }
  }
  return complete;
}

}  // namespace vk
