// Picture file names, the pictures folder and the picture and metafile saves, against a fresh
// hive, a temporary folder, a clipboard in memory and a clock that stands still.
#include "import/picture_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "recording_messages.h"
#include "test_clock.h"
#include "test_hive.h"
#include "test_shell.h"
#include "ui/memory_clipboard.h"
#include "ui/user_messages.h"

namespace vk {
namespace {

using test::kProductPath;
using test::RecordingMessages;
using test::TempFolder;
using test::TestClock;
using test::TestHive;
using test::TestShell;

using Bytes = std::vector<uint8_t>;

Bytes Text(const char* text) { return Bytes(text, text + std::char_traits<char>::length(text)); }

// A clipboard of our own for each test, so that nothing reaches the platform's.
class ScopedClipboard {
 public:
  ScopedClipboard() { Clipboard::SetCurrent(&clipboard); }
  ~ScopedClipboard() { Clipboard::SetCurrent(nullptr); }
  MemoryClipboard clipboard;
};

class PictureExportTest : public testing::Test {
 protected:
  // Pictures go to the temporary folder unless a test says otherwise.
  void SetUp() override { hive_.WriteText(kProductPath, u"PicturesFolder", Pictures()); }

  std::u16string Pictures() const { return folder_.Path() + u"\\"; }
  std::vector<unsigned char> Read(const std::u16string& name) const { return folder_.Read(name); }

  TempFolder folder_;
  TestHive hive_;
  TestShell shell_{folder_.File(u"Documents")};
  TestClock clock_{TestClock::LocalTime(2024, 1, 31, 17, 45, 30)};
  RecordingMessages messages_;
  ScopedClipboard clipboard_;
};

TEST_F(PictureExportTest, NamesCarryBookSheetKindAndIndexOrTheMinuteOfANeverSavedBook) {
  struct Case {
    std::u16string folder, book, sheet;
    int32_t index, type;
    std::u16string name;
  };
  const Case cases[] = {
      {u"C:\\Plans", u"Plan.xlsm", u"Data", 4, 3, u"Plan_Data_chart4.bmp"},
      {u"C:\\Plans", u"Costs.xlsx", u"Sheet1", 3, 13, u"Costs_Sheet1_pic3"},
      {u"C:\\Plans", u"Costs.xlsx", u"Sheet1", 3, 1, u"Costs_Sheet1_wmf3.wmf"},
      {u"\\\\server\\share", u"my.plan.v2.xls", u"S 1", 12, 5, u"my.plan.v2_S 1_wmf12.wmf"},
      {u"", u"Book1", u"Sheet1", 2, 13, u"202401311745_Sheet1pic2"},
      {u"", u"Book1", u"Sheet1", 7, 3, u"202401311745_Sheet1chart7.bmp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.name.begin(), c.name.end())));
    EXPECT_EQ(MakePictureName(c.index, c.folder, c.book, c.sheet, c.type), Pictures() + c.name);
  }
}

TEST_F(PictureExportTest, ANameHeldByAFileThatCannotBeWrittenGetsTheStamp) {
  const std::u16string plain = Pictures() + u"Plan_Data_chart4.bmp";
  std::FILE* writable = Shell::Current().CreateForWriting(plain, nullptr);
  ASSERT_NE(writable, nullptr);
  std::fclose(writable);
  EXPECT_TRUE(CanOpenForWriting(plain));
  EXPECT_EQ(MakePictureName(4, u"C:\\Plans", u"Plan.xlsm", u"Data", 3), plain) << "a free file is overwritten";

  // Another program holds it open without sharing.
  int cause = 0;
  std::FILE* held = Shell::Current().CreateExclusive(plain, &cause);
  ASSERT_NE(held, nullptr);
  EXPECT_FALSE(CanOpenForWriting(plain));
  // 31 January 2024 17:45:30 is 1460 days, 17 hours, 45 minutes and 30 seconds after
  // 1 February 2020 00:00:00 (the test clock's zone has no daylight saving).
  EXPECT_EQ(PictureStamp(), 126207930u);
  EXPECT_EQ(MakePictureName(4, u"C:\\Plans", u"Plan.xlsm", u"Data", 3), Pictures() + u"Plan_Data_chart4126207930.bmp");

  // A picture's name is tested without its extension, so a held "pic" file does not change it.
  const std::u16string png = Pictures() + u"Plan_Data_pic4.png";
  std::FILE* heldPng = Shell::Current().CreateExclusive(png, &cause);
  ASSERT_NE(heldPng, nullptr);
  EXPECT_EQ(MakePictureName(4, u"C:\\Plans", u"Plan.xlsm", u"Data", 13), Pictures() + u"Plan_Data_pic4");
  std::fclose(heldPng);
  std::fclose(held);
  EXPECT_FALSE(CanOpenForWriting(Pictures() + u"missing.bmp"));
}

TEST_F(PictureExportTest, PicturesFolderDefaultsBelowDocumentsAndIsMadeOnFirstUse) {
  ASSERT_TRUE(Shell::Current().CreateFolder(folder_.File(u"Documents")));
  struct Case {
    const char* what;
    std::optional<std::u16string> picturesFolder, drawingFolder;
    std::u16string expected;
  };
  const std::u16string defaultFolder = folder_.File(u"Documents\\Vellumark Pictures\\");
  const Case cases[] = {
      {"missing", std::nullopt, std::nullopt, defaultFolder},
      {"stored empty, used as it reads", u"", std::nullopt, u""},
      {"absolute, parents made too", folder_.File(u"a\\b\\c"), std::nullopt, folder_.File(u"a\\b\\c\\")},
      {"relative below a missing drawing folder", u"Pics", folder_.File(u"NoDrawing"), defaultFolder},
      {"relative below the drawing folder", u"Pics\\Sub\\", folder_.Path(), folder_.File(u"Pics\\Sub\\")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestHive hive;
    if (c.picturesFolder) hive.WriteText(kProductPath, u"PicturesFolder", *c.picturesFolder);
    if (c.drawingFolder) hive.WriteText(kProductPath, u"CurDrawingFolder", *c.drawingFolder);
    EXPECT_EQ(GetPicturesFolder(), c.expected);
    if (!c.expected.empty()) {
      EXPECT_TRUE(Shell::Current().FolderExists(c.expected.substr(0, c.expected.size() - 1)));
    }
  }
  EXPECT_FALSE(folder_.Exists(u"NoDrawing")) << "the drawing's folder is never made";
}

TEST_F(PictureExportTest, TheFirstPictureFormatInClipboardOrderIsWrittenByteForByte) {
  struct Case {
    const char* what;
    std::vector<ClipboardItem> items;
    std::u16string saved;  // "" when nothing is written
    Bytes bytes;
  };
  const Case cases[] = {
      {"PNG before JFIF", {{u"Office Drawing Shape Format", Text("odsf")}, {u"PNG", Text("png")}, {u"JFIF", Text("jpg")}},
       u"p.png", Text("png")},
      {"JFIF before PNG", {{u"JFIF", Text("jpg")}, {u"PNG", Text("png")}}, u"p.jpg", Text("jpg")},
      {"look-alike names skipped, case ignored",
       {{u"PNG+Office Art", Text("art")}, {u"GIF+Office Art", Text("art")}, {u"gif", Text("gif")}}, u"p.gif", Text("gif")},
      {"bytes unchanged", {{u"PNG", Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0xFF}}}, u"p.png",
       Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0xFF}},
      {"no picture format", {{u"Art::GVML ClipFormat", Text("zip")}, {u"Embed Source", Text("ole")}}, u"", {}},
      {"an empty first picture format ends the search", {{u"PNG", {}}, {u"JFIF", Text("jpg")}}, u"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder out;
    ASSERT_TRUE(clipboard_.clipboard.Replace(c.items, true));
    const std::u16string result = SaveClipboardPicture(out.File(u"p"));
    if (c.saved.empty()) {
      EXPECT_EQ(result, u"");
      for (const char16_t* ext : {u"p.png", u"p.jpg", u"p.gif"}) EXPECT_FALSE(out.Exists(ext));
    } else {
      EXPECT_EQ(result, out.File(c.saved));
      EXPECT_EQ(out.Read(c.saved), std::vector<unsigned char>(c.bytes.begin(), c.bytes.end()));
    }
  }
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(clock_.waits.empty());
}

TEST_F(PictureExportTest, AFormatWhoseDataCannotBeFetchedIsPassedAfterAWait) {
  clipboard_.clipboard.Replace({{u"PNG", Text("png"), false}, {u"JFIF", Text("jpg")}}, false);
  EXPECT_EQ(SaveClipboardPicture(folder_.File(u"p")), folder_.File(u"p.jpg"));
  EXPECT_EQ(clock_.waits, std::vector<uint32_t>{1000});
}

TEST_F(PictureExportTest, APictureFileThatCanNeitherBeMadeNorFoundIsReportedWithItsCode) {
  clipboard_.clipboard.Replace({{u"PNG", Text("png")}}, false);
  const std::u16string base = folder_.File(u"missing\\p");
  EXPECT_EQ(SaveClipboardPicture(base), u"");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, u"Failed to save the picture file: " + base + u".png. Error Code: 3.");
  EXPECT_EQ(messages_.shown[0].caption, MessageCaption());
  EXPECT_EQ(messages_.shown[0].style, kMbOk | kMbIconWarning);

  // A file that exists but is held by someone else stands for the picture, without a message.
  messages_.shown.clear();
  const std::u16string held = folder_.File(u"held.png");
  int cause = 0;
  std::FILE* holder = Shell::Current().CreateExclusive(held, &cause);
  ASSERT_NE(holder, nullptr);
  std::fputs("old", holder);
  std::fflush(holder);
  EXPECT_EQ(SaveClipboardPicture(folder_.File(u"held")), held);
  std::fclose(holder);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(Read(u"held.png"), (std::vector<unsigned char>{'o', 'l', 'd'}));

  // A folder in the file's place is no picture: reported with the platform's access-denied code.
  ASSERT_TRUE(Shell::Current().CreateFolder(folder_.File(u"folder.png")));
  EXPECT_EQ(SaveClipboardPicture(folder_.File(u"folder")), u"");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text,
            u"Failed to save the picture file: " + folder_.File(u"folder.png") + u". Error Code: 5.");
}

TEST_F(PictureExportTest, ACopiedPictureIsTriedThreeTimesWithWaits) {
  EXPECT_EQ(SaveCopiedPicture(folder_.File(u"p")), u"");
  EXPECT_EQ(clock_.waits, (std::vector<uint32_t>{2000, 2000, 2000}));
  clock_.waits.clear();
  clipboard_.clipboard.Replace({{u"GIF", Text("gif")}}, false);
  EXPECT_EQ(SaveCopiedPicture(folder_.File(u"p")), folder_.File(u"p.gif"));
  EXPECT_TRUE(clock_.waits.empty());
}

TEST_F(PictureExportTest, TheMetafilePictureIsCopiedOnlyWhenOffered) {
  clipboard_.clipboard.Replace({{u"PNG", Text("png")}}, false);
  EXPECT_FALSE(SaveClipboardMetafile(folder_.File(u"s.wmf")));
  EXPECT_FALSE(folder_.Exists(u"s.wmf"));
  clipboard_.clipboard.Replace({}, true);
  EXPECT_FALSE(SaveClipboardMetafile(u""));
  EXPECT_TRUE(SaveClipboardMetafile(folder_.File(u"s.wmf")));
  const Bytes& expected = MemoryClipboard::MetafileBytes();
  EXPECT_EQ(Read(u"s.wmf"), std::vector<unsigned char>(expected.begin(), expected.end()));
  EXPECT_FALSE(SaveClipboardMetafile(folder_.File(u"missing\\s.wmf")));
}

}  // namespace
}  // namespace vk
