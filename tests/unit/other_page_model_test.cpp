// The Other page's fields against a fresh hive: the LineSpacing sign, the pictures folder checks,
// ShiftChar and the keys each value lives under.
#include <gtest/gtest.h>

#include <filesystem>

#include "recording_messages.h"
#include "settings/other_page_model.h"
#include "test_hive.h"
#include "test_shell.h"

namespace vk {
namespace {

using test::kCurrentOptionsPath;
using test::kProductPath;
using test::RecordingMessages;
using test::TempFolder;
using test::TestHive;
using test::TestShell;

constexpr int32_t kGlobal = 0;   // FuncState: the sheet edits the product key
constexpr int32_t kCurrent = 1;  // with UseGlobalOption 0: the CurrentOptions sub-key

TEST(OtherPageModel, LineSpacingSignIsTheParagraphBox) {
  struct LoadCase {
    std::u16string stored;
    int32_t paragraph;
    std::u16string field;
  };
  const LoadCase loads[] = {{u"-1.16", 0, u"1.16"}, {u"2", 1, u"2"},    {u"--3", 0, u"3"},
                            {u"abc", 0, u"abc"},    {u"0", 0, u"0"},    {u"-", 0, u""}};
  for (const LoadCase& c : loads) {
    SCOPED_TRACE(std::string(c.stored.begin(), c.stored.end()));
    TestHive hive;
    hive.WriteText(kCurrentOptionsPath, u"LineSpacing", c.stored);
    COtherPageModel page;
    page.LoadOptions(kCurrent);
    EXPECT_EQ(page.m_nParagraph, c.paragraph);
    EXPECT_EQ(page.m_strLineSpacing, c.field);
  }

  struct SaveCase {
    std::u16string field;
    int32_t paragraph;
    std::u16string stored;
  };
  const SaveCase saves[] = {
      {u"1.16", 0, u"-1.16"}, {u"2", 1, u"2"},       {u"2", 0, u"-2"},           {u"0.3", 1, u"1.16"},
      {u"5", 1, u"1.16"},     {u"0.3", 0, u"-1.16"}, {u"abc", 1, u"1.16"},       {u"abc", 0, u"-1.16"},
      {u"4.0000005", 1, u"4.0000005"},                {u"0.4999995", 0, u"-0.4999995"},
  };
  for (const SaveCase& c : saves) {
    SCOPED_TRACE(std::string(c.field.begin(), c.field.end()));
    TestHive hive;
    COtherPageModel page;
    page.m_strPicturesFolder = u"C:\\Pictures";
    page.m_strLineSpacing = c.field;
    page.m_nParagraph = c.paragraph;
    ASSERT_TRUE(page.Apply(kCurrent, 3));
    EXPECT_EQ(hive.ReadText(kCurrentOptionsPath, u"LineSpacing"), c.stored);
  }
}

TEST(OtherPageModel, StoresEachValueUnderItsKey) {
  TestHive hive;
  hive.WriteNumber(kProductPath, u"FuncState", 1);
  hive.WriteNumber(kProductPath, u"InsertionPointType", 2);
  COtherPageModel page;
  page.LoadOptions(kCurrent);
  EXPECT_EQ(page.m_nInsertionPointType, 2);  // read from the product key
  page.m_dRotationDegree = 12.5;
  page.m_strPicturesFolder = u"D:\\Pics";
  page.m_nLinkPathType = -1;
  page.m_nHasShiftChar = 1;
  page.m_strShiftChar = u" \tgy \n";
  page.m_dShiftPoints = 0.1234567;
  page.m_nOnlyPrintArea = 1;
  page.m_nUseRangeName = 1;
  page.m_nEmbedWorkbook = 1;
  ASSERT_TRUE(page.Apply(kCurrent, 3));

  EXPECT_EQ(hive.ReadText(kCurrentOptionsPath, u"RotationDegree"), u"12.5");
  EXPECT_EQ(hive.ReadNumber(kCurrentOptionsPath, u"InsertionPointType"), 2);
  EXPECT_EQ(hive.ReadNumber(kCurrentOptionsPath, u"OnlyPrintArea"), 1);
  EXPECT_EQ(hive.ReadNumber(kCurrentOptionsPath, u"UseRangeName"), 1);
  EXPECT_EQ(hive.ReadText(kCurrentOptionsPath, u"LineSpacing"), u"-1.16");
  EXPECT_EQ(hive.ReadNumber(kProductPath, u"InsertionPointType"), 2);
  EXPECT_FALSE(hive.Read(kProductPath, u"RotationDegree"));
  EXPECT_FALSE(hive.Read(kProductPath, u"OnlyPrintArea"));
  EXPECT_EQ(hive.ReadText(kProductPath, u"PicturesFolder"), u"D:\\Pics");
  EXPECT_EQ(hive.ReadNumber(kProductPath, u"LinkPathType"), 0);
  EXPECT_EQ(hive.ReadNumber(kProductPath, u"HasShiftChar"), 1);
  EXPECT_EQ(hive.ReadText(kProductPath, u"ShiftChar"), u"gy");
  EXPECT_EQ(hive.ReadText(kProductPath, u"ShiftPoints"), u"0.123457");
  EXPECT_EQ(hive.ReadNumber(kProductPath, u"EmbedWorkbook"), 1);
  EXPECT_EQ(hive.ReadNumber(kProductPath, u"ActivePageIndex"), 3);
  EXPECT_FALSE(hive.Read(kCurrentOptionsPath, u"PicturesFolder"));
  EXPECT_FALSE(hive.Read(kCurrentOptionsPath, u"ActivePageIndex"));

  // A list without selection is stored as -1; an empty ShiftChar keeps what was stored.
  page.m_nInsertionPointType = -1;
  page.m_strShiftChar.clear();
  ASSERT_TRUE(page.Apply(kCurrent, 3));
  EXPECT_EQ(hive.ReadNumber(kCurrentOptionsPath, u"InsertionPointType"), -1);
  EXPECT_EQ(hive.ReadText(kProductPath, u"ShiftChar"), u"gy");
}

TEST(OtherPageModel, PicturesFolderChecksRefuseWithTheirMessageAndStoreNothing) {
  TempFolder temp;
  const std::u16string missing = temp.File(u"no such drawing folder");
  struct Case {
    std::u16string folder;
    std::u16string drawingFolder;
    std::u16string message;  // empty: stored
  };
  const Case cases[] = {
      {u"", temp.Path(), u"Please enter a valid path."},
      {u"C:\\" + std::u16string(257, u'a'), u"", u"Please enter a valid path."},
      {u"Pictures", missing, u"Failed to create " + missing + u"\\Pictures"},
      {u"Deep\\Pictures", temp.Path(), u"Failed to create " + temp.Path() + u"\\Deep\\Pictures"},
      {u"C:\\" + std::u16string(256, u'a'), missing, u""},  // absolute: neither tested nor created
      {u"Pictures", u"", u""},                               // no drawing folder: nothing created
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.folder.begin(), c.folder.end()));
    TestHive hive;
    RecordingMessages messages;
    hive.WriteText(kProductPath, u"CurDrawingFolder", c.drawingFolder);
    COtherPageModel page;
    page.m_strPicturesFolder = c.folder;
    EXPECT_EQ(page.Apply(kGlobal, 3), c.message.empty());
    if (c.message.empty()) {
      EXPECT_TRUE(messages.shown.empty());
      EXPECT_EQ(hive.ReadText(kProductPath, u"PicturesFolder"), c.folder);
      continue;
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(messages.shown[0].style, kMbOk | kMbIconWarning);
    EXPECT_FALSE(hive.Read(kProductPath, u"PicturesFolder"));
    EXPECT_FALSE(hive.Read(kProductPath, u"LineSpacing"));
    EXPECT_FALSE(hive.Read(kProductPath, u"ActivePageIndex"));
  }
  EXPECT_FALSE(temp.Exists(u"Pictures"));
}

TEST(OtherPageModel, ARelativeFolderIsMadeBelowTheDrawingFolderOnce) {
  TempFolder temp;
  TestHive hive;
  RecordingMessages messages;
  // The CAD side's folder may come with or without its backslash.
  for (const std::u16string& drawingFolder : {temp.Path(), temp.Path() + u"\\"}) {
    hive.WriteText(kProductPath, u"CurDrawingFolder", drawingFolder);
    COtherPageModel page;
    page.m_strPicturesFolder = u"Pictures";
    EXPECT_TRUE(page.Apply(kGlobal, 3));  // the second time the folder exists already
    EXPECT_TRUE(temp.Exists(u"Pictures"));
    EXPECT_EQ(hive.ReadText(kProductPath, u"PicturesFolder"), u"Pictures");
  }
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace vk
