#include "settings/size_table.h"

#include <gtest/gtest.h>

#include "recording_messages.h"
#include "settings/option_table.h"
#include "test_hive.h"

namespace vk {
namespace {

using test::kProductPath;
using test::RecordingMessages;
using test::TestHive;
using Sizes = std::vector<std::u16string>;

TEST(SizeTable, LabelsColumnsWithLettersAndRowsWithNumbers) {
  struct Case {
    size_t n;
    const char16_t* column;
    const char16_t* row;
  } cases[] = {
      {1, u"A", u"1"},      {26, u"Z", u"26"},     {27, u"AA", u"27"},   {52, u"AZ", u"52"},
      {53, u"BA", u"53"},   {702, u"ZZ", u"702"},  {703, u"AAA", u"703"}, {728, u"AAZ", u"728"},
      {18278, u"ZZZ", u"18278"}, {18279, u"AAAA", u"18279"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(CSizeTable::Label(SizeList::ColumnWidths, c.n), c.column);
    EXPECT_EQ(CSizeTable::Label(SizeList::RowHeights, c.n), c.row);
  }
}

TEST(SizeTable, LoadsNonEmptyPiecesAndStoresThemJoined) {
  TestHive hive;
  hive.WriteText(kProductPath, u"ColumnWidths", u";10;;20.5;abc;");
  hive.WriteText(kProductPath, u"RowHeights", u"7");
  CSizeTable table;
  table.Load(kProductKey);
  EXPECT_EQ(table.Sizes(SizeList::ColumnWidths), (Sizes{u"10", u"20.5", u"abc"}));
  EXPECT_EQ(table.Sizes(SizeList::RowHeights), (Sizes{u"7"}));
  table.SetSizes(SizeList::RowHeights, {});
  table.Store(kCurrentOptionsKey);
  EXPECT_EQ(ReadOption(options::kColumnWidths, kCurrentOptionsKey), u"10;20.5;abc");
  // An emptied list is stored as empty text.
  ASSERT_TRUE(hive.Read(test::kCurrentOptionsPath, u"RowHeights"));
  EXPECT_EQ(ReadOption(options::kRowHeights, kCurrentOptionsKey), u"");
}

TEST(SizeTable, AddsAnyTextWithoutSemicolon) {
  struct Case {
    SizeList list;
    const char16_t* size;
    const char16_t* message;
  } cases[] = {
      {SizeList::ColumnWidths, u"12.5", nullptr},
      {SizeList::ColumnWidths, u"wide", nullptr},  // not checked for being a number
      {SizeList::ColumnWidths, u"", u"Invalid column width."},
      {SizeList::ColumnWidths, u"1;2", u"Invalid column width."},
      {SizeList::RowHeights, u" ", nullptr},
      {SizeList::RowHeights, u";", u"Invalid row height."},
      {SizeList::RowHeights, u"", u"Invalid row height."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::u16string(c.size)));
    RecordingMessages user;
    CSizeTable table;
    table.SetSizes(c.list, {u"1"});
    EXPECT_EQ(table.Add(c.list, c.size), c.message == nullptr);
    if (c.message) {
      EXPECT_EQ(table.Sizes(c.list), Sizes{u"1"});
      ASSERT_EQ(user.shown.size(), 1u);
      EXPECT_EQ(user.shown[0].text, c.message);
      EXPECT_EQ(user.shown[0].caption, u"Vellumark");
      EXPECT_EQ(user.shown[0].style, kMbOk | kMbIconInformation);
    } else {
      EXPECT_EQ(table.Sizes(c.list), (Sizes{u"1", c.size}));
      EXPECT_TRUE(user.shown.empty());
    }
  }
}

TEST(SizeTable, RemovesTheSelectedEntriesAfterAsking) {
  RecordingMessages user;
  CSizeTable table;
  table.SetSizes(SizeList::ColumnWidths, {u"10", u"20", u"30"});
  table.SetSizes(SizeList::RowHeights, {u"1", u"2"});
  user.QueueAnswer(kIdNo);
  EXPECT_FALSE(table.Remove(SizeList::ColumnWidths, {1}));
  EXPECT_TRUE(table.Remove(SizeList::ColumnWidths, {1}));  // B out of A, B, C
  EXPECT_EQ(table.Sizes(SizeList::ColumnWidths), (Sizes{u"10", u"30"}));  // now labelled A and B
  EXPECT_TRUE(table.Remove(SizeList::RowHeights, {}));
  EXPECT_TRUE(table.Remove(SizeList::RowHeights, {0, 1}));
  EXPECT_TRUE(table.Sizes(SizeList::RowHeights).empty());
  ASSERT_EQ(user.shown.size(), 4u);
  EXPECT_EQ(user.shown[0].text, u"Are you sure you want to remove this column width?");
  EXPECT_EQ(user.shown[2].text, u"Are you sure you want to remove this row height?");
  EXPECT_EQ(user.shown[3].style, kMbYesNo | kMbIconInformation);
  EXPECT_EQ(user.shown[3].caption, u"Vellumark");
}

}  // namespace
}  // namespace vk
