#include "log/log_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "recording_messages.h"
#include "test_hive.h"
#include "test_shell.h"

namespace vk {
namespace {

std::vector<unsigned char> Utf16Le(const std::u16string& text) {
  std::vector<unsigned char> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
  }
  return bytes;
}

std::tm Time(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

// A fixed clock: the header gets the first time, the closing line the second, and so on.
class LogFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CLogFile::SetClock([this] { return times_.at(std::min(next_++, times_.size() - 1)); });
  }
  void TearDown() override { CLogFile::SetClock({}); }

  void EnableLog(int32_t value = 1) { hive_.WriteNumber(test::kProductPath, u"LogImport", value); }

  std::vector<std::tm> times_{Time(2024, 3, 5, 14, 3, 9), Time(2024, 12, 31, 23, 59, 58),
                              Time(2025, 1, 1, 0, 0, 1), Time(2025, 1, 1, 0, 0, 2)};
  size_t next_ = 0;
  test::TestHive hive_;
  test::RecordingMessages messages_;
  test::TempFolder folder_;
};

const std::u16string kHeader1 = u"Product: Vellumark.\r\nVersion 6.0.2.0.\r\nSession start: March 05, 2024 14:03:09\r\n";

TEST_F(LogFileTest, WritesTheHeaderTaggedLinesAndTheClosingLineByteForByte) {
  EnableLog();
  const std::u16string longExtension = u"book." + std::u16string(300, u'x');
  {
    CLogFile log;
    ASSERT_EQ(log.Open(folder_.File(u"Vellumark-Import.log")), 1);
    log.WriteLine(u"import_driver.cpp", 1303);
    log.WriteLine(u"xvkaddin.h", 201);
    log.WriteLine(u"iRow ", 12);
    log.WriteLine(u"iCol ", -1);
    log.WriteLine(u"C:\\Books\\Plan.XLSX", 934);
    log.WriteLine(u"C:\\Books\\Old.xls", 934);
    log.WriteLine(u"Rev.2", 935);
    log.WriteLine(u"C:\\Books.v2\\Plan", 936);
    log.WriteLine(u"$A$1:$C$9", 937);
    log.WriteLine(u"\u58f2\u4e0a.2023", 938);  // a Japanese sheet name with a dot
    log.WriteLine(u"\u58f2\u4e0a", 939);
    log.WriteLine(longExtension, 940);         // no extension that long: the whole tag
  }
  const std::u16string expected = kHeader1 +
                                  u".cpp: 1303\r\n"
                                  u".h: 201\r\n"
                                  u"iRow : 12\r\n"
                                  u"iCol : -1\r\n"
                                  u"C:\\Books\\Plan.XLSX: 934\r\n"
                                  u"C:\\Books\\Old.xls: 934\r\n"
                                  u".2: 935\r\n"
                                  u"C:\\Books.v2\\Plan: 936\r\n"
                                  u"$A$1:$C$9: 937\r\n"
                                  u".2023: 938\r\n"
                                  u"\u58f2\u4e0a: 939\r\n" +
                                  longExtension + u": 940\r\n" + u"Session end: December 31, 2024 23:59:58\n";
  EXPECT_EQ(folder_.Read(u"Vellumark-Import.log"), Utf16Le(expected));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LogFileTest, WithLogImportOffCreatesNoFileAndSaysNothing) {
  CLogFile log;
  EXPECT_EQ(log.Open(folder_.File(u"Vellumark-Import.log")), 1);
  log.WriteLine(u"import_driver.cpp", 1303);
  EXPECT_FALSE(log.IsOpen());
  EXPECT_FALSE(folder_.Exists(u"Vellumark-Import.log"));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LogFileTest, ReopeningFinishesTheEarlierLogAndStartsANewOne) {
  EnableLog();
  {
    CLogFile log;
    ASSERT_EQ(log.Open(folder_.File(u"first.log")), 1);
    log.WriteLine(u"import_driver.cpp", 1303);
    ASSERT_EQ(log.Open(folder_.File(u"second.log")), 1);  // a later import, another folder
    log.WriteLine(u"import_driver.cpp", 1324);
    ASSERT_EQ(log.Open(folder_.File(u"second.log")), 1);  // and again the same file
    log.WriteLine(u"import_driver.cpp", 1350);
  }
  EXPECT_EQ(folder_.Read(u"first.log"),
            Utf16Le(kHeader1 + u".cpp: 1303\r\nSession end: December 31, 2024 23:59:58\n"));
  EXPECT_EQ(folder_.Read(u"second.log"),
            Utf16Le(u"Product: Vellumark.\r\nVersion 6.0.2.0.\r\nSession start: January 01, 2025 00:00:02\r\n"
                    u".cpp: 1350\r\nSession end: January 01, 2025 00:00:02\n"));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LogFileTest, LogImportSwitchedOffBetweenImportsEndsTheOpenLog) {
  EnableLog();
  CLogFile log;
  ASSERT_EQ(log.Open(folder_.File(u"Vellumark-Import.log")), 1);
  EnableLog(0);
  EXPECT_EQ(log.Open(folder_.File(u"Vellumark-Import.log")), 1);
  log.WriteLine(u"import_driver.cpp", 1303);
  EXPECT_FALSE(log.IsOpen());
  EXPECT_EQ(folder_.Read(u"Vellumark-Import.log"), Utf16Le(kHeader1 + u"Session end: December 31, 2024 23:59:58\n"));
}

TEST_F(LogFileTest, ALogHeldByAnotherWriterIsRefusedWithASharingViolation) {
  EnableLog();
  const std::u16string path = folder_.File(u"Vellumark-Import.log");
  {
    CLogFile first;
    ASSERT_EQ(first.Open(path), 1);
    first.WriteLine(u"import_driver.cpp", 1303);

    CLogFile second;  // another Excel with the add-in
    EXPECT_EQ(second.Open(path), 0);
    EXPECT_FALSE(second.IsOpen());
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, u"A sharing violation occurred while accessing " + path + u".");
    EXPECT_EQ(messages_.shown[0].caption, MessageCaption());
    EXPECT_EQ(messages_.shown[0].style, kMbOk | kMbIconWarning);
    first.WriteLine(u"import_driver.cpp", 1324);
  }
  // The refused opener neither emptied nor interrupted the first writer's file.
  EXPECT_EQ(folder_.Read(u"Vellumark-Import.log"),
            Utf16Le(kHeader1 + u".cpp: 1303\r\n.cpp: 1324\r\nSession end: December 31, 2024 23:59:58\n"));
}

TEST_F(LogFileTest, AFolderThatDoesNotExistIsReportedAndTheImportGoesOnWithoutLog) {
  EnableLog();
  const std::u16string path = folder_.File(u"missing\\Vellumark-Import.log");
  CLogFile log;
  EXPECT_EQ(log.Open(path), 0);
  log.WriteLine(u"import_driver.cpp", 1303);
  EXPECT_FALSE(log.IsOpen());
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, path + u" contains an invalid path.");
}

// A shell whose new file is a file opened for reading only: the header write fails.
class UnwritableShell final : public Shell {
 public:
  explicit UnwritableShell(std::filesystem::path existing) : m_existing(std::move(existing)) { Shell::SetCurrent(this); }
  ~UnwritableShell() override { Shell::SetCurrent(nullptr); }
  std::optional<std::u16string> PersonalFolder() override { return std::nullopt; }
  std::FILE* CreateExclusive(const std::u16string&, int*) override { return std::fopen(m_existing.string().c_str(), "rb"); }
  std::FILE* CreateForWriting(const std::u16string&, uint32_t*) override { return nullptr; }
  bool CanOpenForWriting(const std::u16string&) override { return false; }
  bool CreateFolder(const std::u16string&) override { return false; }
  bool FolderExists(const std::u16string&) override { return false; }
  bool FileExists(const std::u16string&) override { return false; }
  bool RemoveFile(const std::u16string&) override { return false; }

 private:
  std::filesystem::path m_existing;
};

TEST_F(LogFileTest, AHeaderThatCannotBeWrittenIsReportedAndTheFileAbandoned) {
  EnableLog();
  const std::filesystem::path existing = folder_.HostFile(u"read-only.log");
  std::FILE* created = std::fopen(existing.string().c_str(), "wb");
  ASSERT_NE(created, nullptr);
  std::fclose(created);
  UnwritableShell shell(existing);
  CLogFile log;
  EXPECT_EQ(log.Open(u"C:\\Docs\\Vellumark-Import.log"), 0);
  EXPECT_FALSE(log.IsOpen());
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_NE(messages_.shown[0].text.find(u"C:\\Docs\\Vellumark-Import.log"), std::u16string::npos);
}

#ifndef _WIN32
// A shell whose new file takes the header and nothing more, like a disk that fills up during
// an import.
class FillingShell final : public Shell {
 public:
  explicit FillingShell(size_t capacity) : m_buffer(capacity) { Shell::SetCurrent(this); }
  ~FillingShell() override { Shell::SetCurrent(nullptr); }
  std::optional<std::u16string> PersonalFolder() override { return std::nullopt; }
  std::FILE* CreateExclusive(const std::u16string&, int*) override {
    return fmemopen(m_buffer.data(), m_buffer.size(), "wb");
  }
  std::FILE* CreateForWriting(const std::u16string&, uint32_t*) override { return nullptr; }
  bool CanOpenForWriting(const std::u16string&) override { return false; }
  bool CreateFolder(const std::u16string&) override { return false; }
  bool FolderExists(const std::u16string&) override { return false; }
  bool FileExists(const std::u16string&) override { return false; }
  bool RemoveFile(const std::u16string&) override { return false; }

 private:
  std::vector<char> m_buffer;
};

TEST_F(LogFileTest, ALineThatCannotBeWrittenIsReportedOnceAndNoFurtherLinesAreTried) {
  EnableLog();
  FillingShell shell(kHeader1.size() * 2 + 1);  // the header fits, no line after it does
  CLogFile log;
  ASSERT_EQ(log.Open(u"C:\\Docs\\Vellumark-Import.log"), 1);
  EXPECT_TRUE(messages_.shown.empty());
  log.WriteLine(u"import_driver.cpp", 1303);
  log.WriteLine(u"import_driver.cpp", 1304);
  log.WriteLine(u"table_pass.cpp", 1400);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_NE(messages_.shown[0].text.find(u"C:\\Docs\\Vellumark-Import.log"), std::u16string::npos);
  EXPECT_FALSE(log.IsOpen());
}
#endif

}  // namespace
}  // namespace vk
