#pragma once
#include <string>
#include <string_view>

namespace vk {

// UTF-16 as UTF-8 (host file names, JSON output); a lone surrogate, which UTF-8 cannot carry,
// becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
// UTF-8 as UTF-16; a malformed sequence becomes U+FFFD.
std::u16string FromUtf8(std::string_view text);

}  // namespace vk
