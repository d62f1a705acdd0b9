#pragma once
#include "ui/shell.h"

namespace vk {

// The shell and file system of the platform.
class Win32Shell final : public Shell {
 public:
  std::optional<std::u16string> PersonalFolder() override;
  std::FILE* CreateExclusive(const std::u16string& path, int* error) override;
  std::FILE* CreateForWriting(const std::u16string& path, uint32_t* systemError) override;
  bool CanOpenForWriting(const std::u16string& path) override;
  bool CreateFolder(const std::u16string& path) override;
  bool FolderExists(const std::u16string& path) override;
  bool FileExists(const std::u16string& path) override;
  bool RemoveFile(const std::u16string& path) override;
};

}  // namespace vk
