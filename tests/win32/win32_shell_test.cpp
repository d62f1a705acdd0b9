#include "ui/win32/win32_shell.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cerrno>
#include <cwchar>

#include "import/uti_func.h"

#include "test_shell.h"

namespace vk {
namespace {

TEST(Win32Shell, NamesTheDocumentsFolder) {
  Win32Shell shell;
  std::optional<std::u16string> folder = shell.PersonalFolder();
  ASSERT_TRUE(folder.has_value());
  EXPECT_TRUE(shell.FolderExists(*folder));
}

// The import log's folder: what the shell calls the user's documents folder, asked here the
// other way the shell offers, with one trailing backslash.
TEST(Win32Shell, TheDocumentsFolderIsTheShellsPersonalFolder) {
  wchar_t path[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
  std::u16string expected(path, path + wcslen(path));
  ASSERT_FALSE(expected.empty());
  if (expected.back() != u'\\') expected += u'\\';
  EXPECT_EQ(CUtiFunc::DocumentsFolder(), expected);
}

TEST(Win32Shell, CreatesFilesForOneWriterOnly) {
  test::TempFolder folder;
  Win32Shell shell;
  const std::u16string path = folder.File(u"Vellumark-Import.log");
  int error = -1;
  std::FILE* first = shell.CreateExclusive(path, &error);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(error, 0);
  EXPECT_TRUE(shell.FileExists(path));
  EXPECT_FALSE(shell.FolderExists(path));

  EXPECT_EQ(shell.CreateExclusive(path, &error), nullptr);
  EXPECT_EQ(error, EBUSY);
  std::fclose(first);

  EXPECT_EQ(shell.CreateExclusive(folder.File(u"no\\such\\Vellumark-Import.log"), &error), nullptr);
  EXPECT_EQ(error, ENOENT);
}

TEST(Win32Shell, CreatesOneFolderLevel) {
  test::TempFolder folder;
  Win32Shell shell;
  EXPECT_TRUE(shell.CreateFolder(folder.File(u"Pictures")));
  EXPECT_TRUE(shell.FolderExists(folder.File(u"Pictures")));
  EXPECT_TRUE(shell.FileExists(folder.File(u"Pictures")));
  EXPECT_FALSE(shell.CreateFolder(folder.File(u"Pictures")));
  EXPECT_FALSE(shell.CreateFolder(folder.File(u"a\\b")));
}

}  // namespace
}  // namespace vk
