#pragma once
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace vk {

// The shell and file system as the product uses them. Paths are Windows paths (backslashes);
// the native implementation maps them onto the host's file system.
class Shell {
 public:
  virtual ~Shell() = default;
  // The user's documents folder (CSIDL_PERSONAL), without trailing backslash; nothing when
  // the shell cannot name it.
  virtual std::optional<std::u16string> PersonalFolder() = 0;
  // Creates the file anew for writing, binary, shared with nobody. Null on failure, with the
  // errno-style cause in *error; a file held open by someone else gives EBUSY.
  virtual std::FILE* CreateExclusive(const std::u16string& path, int* error) = 0;
  // Opens the file for writing, created or emptied, binary, shared with other readers and
  // writers as the C runtime's fopen shares it. Null on failure, with the system's error code
  // (the platform's numbering: 3 path not found, 5 access denied, 32 sharing violation) in
  // *systemError.
  virtual std::FILE* CreateForWriting(const std::u16string& path, uint32_t* systemError) = 0;
  // An existing file could be opened for writing by a writer that shares writing only
  // (CreateFileW with GENERIC_WRITE, FILE_SHARE_WRITE, OPEN_EXISTING); nothing stays open.
  virtual bool CanOpenForWriting(const std::u16string& path) = 0;
  // One level, like CreateDirectoryW: false also when the folder exists already.
  virtual bool CreateFolder(const std::u16string& path) = 0;
  virtual bool FolderExists(const std::u16string& path) = 0;
  // A file or a folder of that name exists (PathFileExistsW).
  virtual bool FileExists(const std::u16string& path) = 0;
  // Deletes a file (DeleteFileW); false when it could not.
  virtual bool RemoveFile(const std::u16string& path) = 0;

  static Shell& Current();
  // A stand-in for a while; null goes back to the installed one.
  static void SetCurrent(Shell* shell);
  // The platform's own, installed once when the module starts.
  static void Install(Shell* shell);
};

// The user's documents folder with a trailing backslash, or ".\" when the shell cannot name it.
std::u16string DocumentsFolder();

}  // namespace vk
