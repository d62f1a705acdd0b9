// The picture export against the platform's clipboard and files: registered formats in the
// clipboard's order, a real metafile copied into a .wmf file, and the overwrite test under the
// platform's share modes.
#include "ui/win32/win32_clipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "automation/win32/win32_text.h"
#include "import/picture_export.h"
#include "recording_messages.h"
#include "test_clipboard.h"
#include "test_shell.h"

namespace vk {
namespace {

using test::TempFolder;
using test::TestClipboard;

using Bytes = std::vector<uint8_t>;

Bytes Text(const char* text) { return Bytes(text, text + std::strlen(text)); }

uint16_t Word(const std::vector<unsigned char>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}
uint32_t DoubleWord(const std::vector<unsigned char>& bytes, size_t at) {
  return Word(bytes, at) | (static_cast<uint32_t>(Word(bytes, at + 2)) << 16);
}

TEST(Win32Clipboard, RegisteredFormatsComeBackInTheOrderTheyWerePut) {
  TestClipboard guard;
  Clipboard& clipboard = guard.Get();
  ASSERT_TRUE(clipboard.Replace({{u"Office Drawing Shape Format", Text("odsf")},
                                 {u"PNG+Office Art", Text("art")},
                                 {u"PNG", Text("png")},
                                 {u"JFIF", Text("jpg")},
                                 {u"GIF", Text("gif"), false}},
                                true));
  std::vector<std::u16string> registered;
  uint32_t png = 0, gif = 0;
  bool metafile = false;
  for (const ClipboardFormat& format : clipboard.Formats()) {
    if (format.id == CF_METAFILEPICT) metafile = true;
    if (format.name.empty()) continue;
    EXPECT_GE(format.id, 0xC000u);
    registered.push_back(format.name);
    if (format.name == u"PNG") png = format.id;
    if (format.name == u"GIF") gif = format.id;
  }
  EXPECT_EQ(registered, (std::vector<std::u16string>{u"Office Drawing Shape Format", u"PNG+Office Art", u"PNG",
                                                      u"JFIF", u"GIF"}));
  EXPECT_TRUE(metafile);
  EXPECT_TRUE(clipboard.HasMetafilePicture());
  EXPECT_EQ(clipboard.Data(png), Text("png"));
  EXPECT_EQ(clipboard.Data(gif), std::nullopt) << "a format its owner never renders has no data";
}

TEST(Win32Clipboard, TheFirstOfPngAndJfifOnTheClipboardIsSaved) {
  struct Case {
    std::vector<ClipboardItem> items;
    std::u16string file;
    const char* bytes;
  };
  const Case cases[] = {
      {{{u"PNG+Office Art", Text("art")}, {u"PNG", Text("png bytes")}, {u"JFIF", Text("jfif bytes")}}, u"p.png",
       "png bytes"},
      {{{u"JFIF", Text("jfif bytes")}, {u"PNG", Text("png bytes")}}, u"p.jpg", "jfif bytes"},
  };
  for (const Case& c : cases) {
    TestClipboard guard;
    TempFolder folder;
    ASSERT_TRUE(guard.Get().Replace(c.items, true));
    EXPECT_EQ(SaveClipboardPicture(folder.File(u"p")), folder.File(c.file));
    const Bytes expected = Text(c.bytes);
    EXPECT_EQ(folder.Read(c.file), std::vector<unsigned char>(expected.begin(), expected.end()));
  }
}

TEST(Win32Clipboard, TheMetafilePictureBecomesAWindowsMetafileFile) {
  TestClipboard guard;
  TempFolder folder;
  ASSERT_TRUE(guard.Get().Replace({{u"PNG", Text("png")}}, true));
  ASSERT_TRUE(SaveClipboardMetafile(folder.File(u"shape.wmf")));
  const std::vector<unsigned char> file = folder.Read(u"shape.wmf");
  ASSERT_GE(file.size(), 18u + 6u);
  // The metafile header: type 1 (memory) or 2 (disk), a header of 9 words, version 0x0300,
  // the whole size in words; the last record is the 3-word end-of-file record.
  const uint16_t type = Word(file, 0);
  EXPECT_TRUE(type == 1 || type == 2) << type;
  EXPECT_EQ(Word(file, 2), 9);
  EXPECT_EQ(Word(file, 4), 0x0300);
  EXPECT_EQ(DoubleWord(file, 6) * 2u, file.size());
  EXPECT_EQ(DoubleWord(file, file.size() - 6), 3u);
  EXPECT_EQ(Word(file, file.size() - 2), 0x0000);

  ASSERT_TRUE(guard.Get().Replace({{u"PNG", Text("png")}}, false));
  EXPECT_FALSE(SaveClipboardMetafile(folder.File(u"none.wmf")));
  EXPECT_FALSE(folder.Exists(u"none.wmf"));
}

TEST(Win32Clipboard, AFileHeldOpenWithoutWriteSharingCannotBeOverwritten) {
  TempFolder folder;
  const std::u16string path = folder.File(u"Plan_Data_chart4.bmp");
  HANDLE created = CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(created, INVALID_HANDLE_VALUE);
  CloseHandle(created);
  EXPECT_TRUE(CanOpenForWriting(path));

  struct Holder {
    DWORD access, share;
    bool writable;
  };
  const Holder holders[] = {
      {GENERIC_READ, FILE_SHARE_READ, false},
      {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, false},  // our writer does not share reading
      {GENERIC_WRITE, FILE_SHARE_WRITE, true},
  };
  for (const Holder& h : holders) {
    SCOPED_TRACE(testing::Message() << h.access << " " << h.share);
    HANDLE held = CreateFileW(W(path), h.access, h.share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(CanOpenForWriting(path), h.writable);
    CloseHandle(held);
  }
  EXPECT_FALSE(CanOpenForWriting(folder.File(u"missing.bmp")));
  EXPECT_FALSE(CanOpenForWriting(folder.Path()));
}

}  // namespace
}  // namespace vk
