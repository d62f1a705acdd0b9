#include "settings/win32/win32_ansi_code_page.h"

#include <windows.h>

#include <climits>

namespace vk {

std::u16string CWin32AnsiCodePage::ToUtf16(std::string_view text) {
  if (text.empty()) return {};
  // The system call counts in int; an option file string that long is no text anyone wrote.
  if (text.size() > static_cast<size_t>(INT_MAX)) return {};
  const int n = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), n, nullptr, 0);
  if (needed <= 0) return {};
  std::u16string out(static_cast<size_t>(needed), u'\0');
  MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), n, reinterpret_cast<wchar_t*>(out.data()), needed);
  return out;
}

}  // namespace vk
