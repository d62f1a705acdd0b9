#pragma once
#include "settings/ansi_code_page.h"

namespace vk {

// The thread's real ANSI code page (MultiByteToWideChar with CP_THREAD_ACP), so that an 8-bit option
// file written on a Japanese system reads back as Japanese there.
class CWin32AnsiCodePage final : public AnsiCodePage {
 public:
  std::u16string ToUtf16(std::string_view text) override;
};

}  // namespace vk
