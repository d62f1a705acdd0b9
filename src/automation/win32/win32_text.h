#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace vk {

// char16_t and WCHAR have the same size on Windows; the portable core speaks char16_t.
inline const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline std::wstring ToWide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
inline std::u16string FromWide(const wchar_t* s) {
  return s ? std::u16string(reinterpret_cast<const char16_t*>(s)) : std::u16string();
}
inline std::u16string FromWide(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

// The platform's message text for an HRESULT without its trailing line break, or
// "Unknown error 0x%08X" when the system has none.
std::u16string SystemErrorText(HRESULT hr);

}  // namespace vk
