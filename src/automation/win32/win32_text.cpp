#include "automation/win32/win32_text.h"

#include <cstdio>

namespace vk {

std::u16string SystemErrorText(HRESULT hr) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, static_cast<DWORD>(hr), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::u16string text;
  if (length != 0 && buffer != nullptr) {
    text = FromWide(std::wstring_view(buffer, length));
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r')) text.pop_back();
  }
  if (buffer != nullptr) LocalFree(buffer);
  if (text.empty()) {
    char fallback[40];
    std::snprintf(fallback, sizeof fallback, "Unknown error 0x%08lX", static_cast<unsigned long>(hr));
    text.assign(fallback, fallback + std::char_traits<char>::length(fallback));
  }
  return text;
}

}  // namespace vk
