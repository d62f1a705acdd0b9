#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vk {

// The standard file-error message for an errno-style cause (EBUSY: a sharing violation) and the
// file's path, worded like the application framework's own file errors.
std::u16string FileErrorMessage(int cause, std::u16string_view path);

// The platform's system error code for an errno-style cause, for messages that show the code
// (EBUSY is a sharing violation, 32; ENOENT a missing folder on the way, 3).
uint32_t SystemErrorCode(int cause);

// Shows it as a warning message captioned with the module name.
void ReportFileError(int cause, std::u16string_view path);

}  // namespace vk
