#include "ui/win32/win32_shell.h"

#include <shlobj.h>
#include <shlwapi.h>
#include <share.h>

#include <cerrno>
#include <cstdlib>

#include "automation/win32/win32_text.h"

namespace vk {

std::optional<std::u16string> Win32Shell::PersonalFolder() {
  IMalloc* malloc = nullptr;
  if (FAILED(SHGetMalloc(&malloc)) || malloc == nullptr) return std::nullopt;
  std::optional<std::u16string> folder;
  LPITEMIDLIST items = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &items)) && items != nullptr) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(items, path)) folder = FromWide(path);
    malloc->Free(items);
  }
  malloc->Release();
  return folder;
}

std::FILE* Win32Shell::CreateExclusive(const std::u16string& path, int* error) {
  _doserrno = 0;
  errno = 0;
  std::FILE* file = _wfsopen(W(path), L"wb", _SH_DENYRW);
  if (error) {
    // The C runtime folds a sharing violation into EACCES; callers need to tell it apart.
    if (file != nullptr) {
      *error = 0;
    } else if (_doserrno == ERROR_SHARING_VIOLATION || _doserrno == ERROR_LOCK_VIOLATION) {
      *error = EBUSY;
    } else {
      *error = errno != 0 ? errno : EIO;
    }
  }
  return file;
}

std::FILE* Win32Shell::CreateForWriting(const std::u16string& path, uint32_t* systemError) {
  _doserrno = 0;
  std::FILE* file = _wfsopen(W(path), L"wb", _SH_DENYNO);
  // The C runtime keeps the system's own code of a failed open.
  if (systemError) *systemError = file != nullptr ? 0 : (_doserrno != 0 ? static_cast<uint32_t>(_doserrno) : GetLastError());
  return file;
}

bool Win32Shell::CanOpenForWriting(const std::u16string& path) {
  HANDLE file = CreateFileW(W(path), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool Win32Shell::CreateFolder(const std::u16string& path) { return CreateDirectoryW(W(path), nullptr) != FALSE; }

bool Win32Shell::FolderExists(const std::u16string& path) {
  DWORD attributes = GetFileAttributesW(W(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32Shell::FileExists(const std::u16string& path) { return PathFileExistsW(W(path)) != FALSE; }
bool Win32Shell::RemoveFile(const std::u16string& path) { return DeleteFileW(W(path)) != FALSE; }

}  // namespace vk
