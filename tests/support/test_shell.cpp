#include "test_shell.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>


namespace vk::test {

namespace {

// Backslashes mean separators on every host, as the native shell maps them.
std::filesystem::path HostPath(const std::u16string& path) {
  std::u16string host = path;
#ifndef _WIN32
  for (char16_t& c : host) {
    if (c == u'\\') c = u'/';
  }
#endif
  return std::filesystem::path(host);
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string name = "vk-test-" + std::to_string(stamp) + "-" + std::to_string(counter++);
  m_path = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TempFolder::HostFile(const std::u16string& name) const { return HostPath(File(name)); }

std::vector<unsigned char> TempFolder::Read(const std::u16string& name) const {
  std::ifstream in(HostPath(File(name)), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::Exists(const std::u16string& name) const { return std::filesystem::exists(HostPath(File(name))); }

TestShell::TestShell(std::optional<std::u16string> personalFolder)
    // Files go to whatever shell the program has: the host's natively, the Win32 one that a
    // Windows test program installs for itself.
    : m_personal(std::move(personalFolder)), m_platform(Shell::Current()) {
  Shell::SetCurrent(this);
}

TestShell::~TestShell() { Shell::SetCurrent(nullptr); }

std::FILE* TestShell::CreateExclusive(const std::u16string& path, int* error) {
  return m_platform.CreateExclusive(path, error);
}
std::FILE* TestShell::CreateForWriting(const std::u16string& path, uint32_t* systemError) {
  return m_platform.CreateForWriting(path, systemError);
}
bool TestShell::CanOpenForWriting(const std::u16string& path) { return m_platform.CanOpenForWriting(path); }
bool TestShell::CreateFolder(const std::u16string& path) { return m_platform.CreateFolder(path); }
bool TestShell::FolderExists(const std::u16string& path) { return m_platform.FolderExists(path); }
bool TestShell::FileExists(const std::u16string& path) { return m_platform.FileExists(path); }
bool TestShell::RemoveFile(const std::u16string& path) { return m_platform.RemoveFile(path); }

}  // namespace vk::test
