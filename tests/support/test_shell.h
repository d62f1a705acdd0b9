#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ui/shell.h"

namespace vk::test {

// A fresh folder under the host's temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder as the product names paths (no trailing separator).
  std::u16string Path() const { return m_path.u16string(); }
  // A file in it, joined with a backslash the way the product joins paths.
  std::u16string File(const std::u16string& name) const { return Path() + u"\\" + name; }
  // The file's name on the host (backslashes are separators everywhere).
  std::filesystem::path HostFile(const std::u16string& name) const;
  // The file's bytes (empty when missing) and whether it exists.
  std::vector<unsigned char> Read(const std::u16string& name) const;
  bool Exists(const std::u16string& name) const;

 private:
  std::filesystem::path m_path;
};

// Installed as the current shell for its lifetime: the personal folder is what the test says
// (nothing stands for a failing shell); files go to the platform's own shell.
class TestShell final : public Shell {
 public:
  explicit TestShell(std::optional<std::u16string> personalFolder);
  ~TestShell() override;
  TestShell(const TestShell&) = delete;
  TestShell& operator=(const TestShell&) = delete;

  std::optional<std::u16string> PersonalFolder() override { return m_personal; }
  std::FILE* CreateExclusive(const std::u16string& path, int* error) override;
  std::FILE* CreateForWriting(const std::u16string& path, uint32_t* systemError) override;
  bool CanOpenForWriting(const std::u16string& path) override;
  bool CreateFolder(const std::u16string& path) override;
  bool FolderExists(const std::u16string& path) override;
  bool FileExists(const std::u16string& path) override;
  bool RemoveFile(const std::u16string& path) override;

 private:
  std::optional<std::u16string> m_personal;
  Shell& m_platform;
};

}  // namespace vk::test
