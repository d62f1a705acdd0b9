#include "ui/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vk {
namespace {

TEST(FileError, NamesTheCauseAndTheFile) {
  const std::u16string file = u"C:\\Docs\\Vellumark-Import.log";
  const std::pair<int, std::u16string> cases[] = {
      {EBUSY, u"A sharing violation occurred while accessing C:\\Docs\\Vellumark-Import.log."},
      {EACCES, u"Access to C:\\Docs\\Vellumark-Import.log was denied."},
      {ENOENT, u"C:\\Docs\\Vellumark-Import.log contains an invalid path."},
      {ENOSPC, u"Disk full while accessing C:\\Docs\\Vellumark-Import.log."},
      {EMFILE, u"C:\\Docs\\Vellumark-Import.log could not be accessed because too many files are open."},
      {EIO, u"A hardware I/O error was reported while accessing C:\\Docs\\Vellumark-Import.log."},
      {0, u"An unknown error occurred while accessing C:\\Docs\\Vellumark-Import.log."},
  };
  for (const auto& [cause, text] : cases) EXPECT_EQ(FileErrorMessage(cause, file), text) << cause;
}

}  // namespace
}  // namespace vk
