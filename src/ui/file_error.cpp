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

void ReportFileError(int cause, std::u16string_view path) { ShowWarning(FileErrorMessage(cause, path)); }

}  // namespace vk
