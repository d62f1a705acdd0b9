#include "ui/file_error.h"

#include <cerrno>

#include "ui/user_messages.h"

namespace vk {

namespace {

std::u16string Ascii(const char* text) { return std::u16string(text, text + std::char_traits<char>::length(text)); }

}  // namespace

std::u16string FileErrorMessage(int cause, std::u16string_view path) {
  const char* before = "An unknown error occurred while accessing ";
  const char* after = ".";
  switch (cause) {
    case EBUSY:
      before = "A sharing violation occurred while accessing ";
      break;
    case EACCES: case EPERM: case EISDIR: case EROFS:
      before = "Access to ";
      after = " was denied.";
      break;
    case ENOENT: case ENOTDIR: case ENAMETOOLONG: case EINVAL:
      before = "";
      after = " contains an invalid path.";
      break;
    case EMFILE: case ENFILE:
      before = "";
      after = " could not be accessed because too many files are open.";
      break;
    case ENOSPC:
      before = "Disk full while accessing ";
      break;
    case EIO:
      before = "A hardware I/O error was reported while accessing ";
      break;
    default:
      break;
  }
  std::u16string text = Ascii(before);
  text += path;
  text += Ascii(after);
  return text;
}

uint32_t SystemErrorCode(int cause) {
  switch (cause) {
    case 0: return 0;
    case ENOENT: case ENOTDIR: return 3;            // ERROR_PATH_NOT_FOUND
    case EMFILE: case ENFILE: return 4;             // ERROR_TOO_MANY_OPEN_FILES
    case EACCES: case EPERM: case EISDIR: case EROFS: return 5;  // ERROR_ACCESS_DENIED
    case ENOMEM: return 8;                          // ERROR_NOT_ENOUGH_MEMORY
    case EBUSY: return 32;                          // ERROR_SHARING_VIOLATION
    case EEXIST: return 80;                         // ERROR_FILE_EXISTS
    case EINVAL: return 87;                         // ERROR_INVALID_PARAMETER
    case ENOSPC: return 112;                        // ERROR_DISK_FULL
    case ENAMETOOLONG: return 206;                  // ERROR_FILENAME_EXCED_RANGE
    default: return 31;                             // ERROR_GEN_FAILURE
  }
}

void ReportFileError(int cause, std::u16string_view path) { ShowWarning(FileErrorMessage(cause, path)); }

}  // namespace vk
