#pragma once
#include <string>
#include <string_view>

namespace vk {

// Turns 8-bit text (as older option files hold it) into UTF-16 with the ANSI code page of the
// running thread. The portable default decodes Windows-1252, the code page of the systems the
// tests run on; the add-in installs the Win32 one, which asks the system for the real code page.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  virtual std::u16string ToUtf16(std::string_view text) = 0;

  // The process-wide instance every caller uses; Windows-1252 until one is installed.
  static AnsiCodePage& Current();
  // Null restores the Windows-1252 default.
  static void SetCurrent(AnsiCodePage* codePage);
};

// Windows-1252 as the system maps it: the five unassigned bytes become the C1 control
// characters of the same number.
std::u16string DecodeWindows1252(std::string_view text);

}  // namespace vk
