// The shell behind the process-wide holder until one is installed: the host's file system in the
// native build; in the Windows build the module installs the Win32 shell when it starts.
#include "ui/platform_defaults.h"

#include <cerrno>

#ifndef _WIN32

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ui/file_error.h"
#include "text/utf8_text.h"

namespace vk::platform {

namespace {

// Windows paths onto the host: UTF-8, backslashes as '/'.
std::string HostPath(const std::u16string& path) {
  std::string out = ToUtf8(path);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

class HostShell final : public Shell {
 public:
  // The host has no personal folder of the shell's kind; ~/Documents plays its part.
  std::optional<std::u16string> PersonalFolder() override {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') return std::nullopt;
    return FromUtf8(std::string(home) + "/Documents");
  }

  // The host has no share modes: an advisory lock held for the life of the stream keeps a
  // second opener out (reported as EBUSY, our sharing violation). The file is emptied only once
  // the lock is held, so a refused opener never truncates the holder's file.
  std::FILE* CreateExclusive(const std::u16string& path, int* error) override {
    return OpenLocked(path, LOCK_EX, error);
  }

  // Shared writers take a shared lock: they keep exclusive openers out and are kept out by them.
  std::FILE* CreateForWriting(const std::u16string& path, uint32_t* systemError) override {
    int cause = 0;
    std::FILE* file = OpenLocked(path, LOCK_SH, &cause);
    if (systemError) *systemError = SystemErrorCode(cause);
    return file;
  }

  bool CanOpenForWriting(const std::u16string& path) override {
    const int fd = ::open(HostPath(path).c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool free = ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    ::close(fd);
    return free;
  }

  bool CreateFolder(const std::u16string& path) override { return ::mkdir(HostPath(path).c_str(), 0777) == 0; }

  bool FolderExists(const std::u16string& path) override {
    struct stat st {};
    return ::stat(HostPath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  bool FileExists(const std::u16string& path) override {
    struct stat st {};
    return ::stat(HostPath(path).c_str(), &st) == 0;
  }
  bool RemoveFile(const std::u16string& path) override { return ::unlink(HostPath(path).c_str()) == 0; }


 private:
  static std::FILE* OpenLocked(const std::u16string& path, int lock, int* error) {
    int fd = ::open(HostPath(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return Fail(error, errno);
    if (::flock(fd, lock | LOCK_NB) != 0) {
      int cause = (errno == EWOULDBLOCK) ? EBUSY : errno;
      ::close(fd);
      return Fail(error, cause);
    }
    if (::ftruncate(fd, 0) != 0) {
      int cause = errno;
      ::close(fd);
      return Fail(error, cause);
    }
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
      int cause = errno;
      ::close(fd);
      return Fail(error, cause);
    }
    if (error) *error = 0;
    return file;
  }

  static std::FILE* Fail(int* error, int cause) {
    if (error) *error = cause;
    return nullptr;
  }
};

}  // namespace

Shell& DefaultShell() {
  static HostShell shell;
  return shell;
}

}  // namespace vk::platform

#else  // _WIN32

namespace vk::platform {

namespace {

// A Windows module that has not started has no shell: nothing is found and nothing is made.
class AbsentShell final : public Shell {
 public:
  std::optional<std::u16string> PersonalFolder() override { return std::nullopt; }
  std::FILE* CreateExclusive(const std::u16string&, int* error) override {
    if (error) *error = ENOSYS;
    return nullptr;
  }
  std::FILE* CreateForWriting(const std::u16string&, uint32_t* systemError) override {
    if (systemError) *systemError = 120;  // ERROR_CALL_NOT_IMPLEMENTED
    return nullptr;
  }
  bool CanOpenForWriting(const std::u16string&) override { return false; }
  bool CreateFolder(const std::u16string&) override { return false; }
  bool FolderExists(const std::u16string&) override { return false; }
  bool FileExists(const std::u16string&) override { return false; }
  bool RemoveFile(const std::u16string&) override { return false; }
};

}  // namespace

Shell& DefaultShell() {
  static AbsentShell shell;
  return shell;
}

}  // namespace vk::platform

#endif
