#include "settings/font_size_map.h"

#include <gtest/gtest.h>

#include "recording_messages.h"
#include "settings/option_table.h"
#include "test_hive.h"

namespace vk {
namespace {

using test::kCurrentOptionsPath;
using test::RecordingMessages;
using test::TestHive;

using Entries = std::vector<FontSizeEntry>;

TEST(FontSizeMap, LoadsTheStoredPieces) {
  struct Case {
    const char16_t* stored;
    Entries entries;
  } cases[] = {
      {u"8:2.5*2;10:3*;12:3.5*3", {{u"8", u"2.5", u"2"}, {u"10", u"3", u""}, {u"12", u"3.5", u"3"}}},
      {u"8:2.5*2;;12:3.5*3;", {{u"8", u"2.5", u"2"}, {u"12", u"3.5", u"3"}}},
      {u";8:2.5*2", {{u"8", u"2.5", u"2"}}},
      {u"8 2.5;:3*1;10:3*1", {{u"10", u"3", u"1"}}},                   // no ":", or nothing before it
      {u"10:3", {{u"10", u"3", u""}}},                                 // no "*": all of it is the height
      {u"10:3*1*2;11:a:b*", {{u"10", u"3", u"1*2"}, {u"11", u"a:b", u""}}},  // split at the first of each
      {u"9:", {{u"9", u"", u""}}},
      {u"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << testing::PrintToString(std::u16string(c.stored)));
    EXPECT_EQ(CFontSizeMap::Parse(c.stored), c.entries);
  }
}

TEST(FontSizeMap, StoresEntriesAsPointsHeightStarWidth) {
  TestHive hive;
  hive.WriteText(kCurrentOptionsPath, u"FontSizes", u"8:2.5*2;;10:3;junk;");
  CFontSizeMap map;
  map.Load(kCurrentOptionsKey);
  ASSERT_EQ(map.Entries().size(), 2u);
  map.Store(kCurrentOptionsKey);
  EXPECT_EQ(ReadOption(options::kFontSizes, kCurrentOptionsKey), u"8:2.5*2;10:3*");
}

// An emptied map leaves the stored value as it was (the size table, by contrast, writes its empty
// lists); the receiver reads that value.
TEST(FontSizeMap, AnEmptiedMapLeavesTheStoredValueAlone) {
  TestHive hive;
  hive.WriteText(kCurrentOptionsPath, u"FontSizes", u"8:2.5*2");
  RecordingMessages user;
  CFontSizeMap map;
  map.Load(kCurrentOptionsKey);
  ASSERT_TRUE(map.Remove({0}));
  ASSERT_TRUE(map.Entries().empty());
  map.Store(kCurrentOptionsKey);
  EXPECT_EQ(ReadOption(options::kFontSizes, kCurrentOptionsKey), u"8:2.5*2");

  // Nor does an empty map create the value where there was none.
  CFontSizeMap().Store(kProductKey);
  EXPECT_FALSE(hive.Read(test::kProductPath, u"FontSizes"));
}

TEST(FontSizeMap, RefusesBadPointsAndHeights) {
  struct Case {
    const char16_t* points;
    const char16_t* height;
    const char16_t* width;
    const char16_t* message;  // null: accepted
  } cases[] = {
      {u"0.5", u"2", u"", u"Invalid font size."},  {u"1e2", u"2", u"", u"Invalid font size."},
      {u"-3", u"2", u"", u"Invalid font size."},   {u"1.2.3", u"2", u"", u"Invalid font size."},
      {u"", u"2", u"", u"Invalid font size."},     {u".", u"2", u"", u"Invalid font size."},
      {u" 9", u"2", u"", u"Invalid font size."},   {u"\uff19", u"2", u"", u"Invalid font size."},  // fullwidth 9
      {u"1", u"2", u"", nullptr},                  {u"72.25", u"2", u"1.5", nullptr},
      {u"1.", u"x", u"y", nullptr},                {u"0001", u"2", u"", nullptr},
      {u"9", u"", u"1", u"Invalid text height."},  {u"9", u"2*", u"", u"Invalid text height."},
      {u"9", u"2", u"*1", u"Invalid text height."}, {u"x", u"", u"", u"Invalid font size."},  // points first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << testing::PrintToString(std::u16string(c.points)) << " "
                                    << testing::PrintToString(std::u16string(c.height)) << " "
                                    << testing::PrintToString(std::u16string(c.width)));
    RecordingMessages user;
    CFontSizeMap map;
    const auto result = map.Add(c.points, c.height, c.width);
    if (c.message) {
      EXPECT_EQ(result, CFontSizeMap::AddResult::Refused);
      EXPECT_TRUE(map.Entries().empty());
      ASSERT_EQ(user.shown.size(), 1u);
      EXPECT_EQ(user.shown[0].text, c.message);
      EXPECT_EQ(user.shown[0].caption, u"Vellumark");
      EXPECT_EQ(user.shown[0].style, kMbOk | kMbIconInformation);
    } else {
      EXPECT_EQ(result, CFontSizeMap::AddResult::Inserted);
      EXPECT_EQ(map.Entries(), (Entries{{c.points, c.height, c.width}}));
      EXPECT_TRUE(user.shown.empty());
    }
  }
}

TEST(FontSizeMap, InsertsInOrderOfPointsAndReplacesTheSameText) {
  RecordingMessages user;
  CFontSizeMap map;
  map.SetEntries({{u"8", u"a", u""}, {u"12", u"b", u""}, {u"20", u"c", u""}});
  size_t at = 99;
  // 12.0 is another text than 12 and not above it: it goes after the 12 entry, without a question.
  EXPECT_EQ(map.Add(u"12.0", u"d", u""), CFontSizeMap::AddResult::Inserted);
  EXPECT_EQ(map.Add(u"10", u"e", u"", &at), CFontSizeMap::AddResult::Inserted);
  EXPECT_EQ(at, 1u);
  EXPECT_EQ(map.Add(u"30", u"f", u"", &at), CFontSizeMap::AddResult::Inserted);
  EXPECT_EQ(at, 5u);
  EXPECT_EQ(map.Add(u"1", u"g", u""), CFontSizeMap::AddResult::Inserted);
  EXPECT_TRUE(user.shown.empty());

  user.QueueAnswer(kIdNo);
  EXPECT_EQ(map.Add(u"12", u"h", u"1"), CFontSizeMap::AddResult::Declined);
  EXPECT_EQ(map.Add(u"12", u"i", u"2", &at), CFontSizeMap::AddResult::Replaced);
  EXPECT_EQ(at, 3u);
  ASSERT_EQ(user.shown.size(), 2u);
  EXPECT_EQ(user.shown[0].text, u"There is already a same point size. Do you want to replace it?");
  EXPECT_EQ(user.shown[0].caption, u"Vellumark");
  EXPECT_EQ(user.shown[0].style, kMbYesNo | kMbIconInformation);
  EXPECT_EQ(CFontSizeMap::Format(map.Entries()), u"1:g*;8:a*;10:e*;12:i*2;12.0:d*;20:c*;30:f*");
}

TEST(FontSizeMap, RemovesTheSelectedEntriesAfterAsking) {
  RecordingMessages user;
  CFontSizeMap map;
  const Entries start{{u"8", u"a", u""}, {u"10", u"b", u""}, {u"12", u"c", u""}, {u"14", u"d", u""}};
  map.SetEntries(start);
  user.QueueAnswer(kIdNo);
  EXPECT_FALSE(map.Remove({1}));
  EXPECT_EQ(map.Entries(), start);
  EXPECT_TRUE(map.Remove({}));  // asked even with nothing selected
  EXPECT_TRUE(map.Remove({3, 1, 1, 7}));
  EXPECT_EQ(map.Entries(), (Entries{{u"8", u"a", u""}, {u"12", u"c", u""}}));
  ASSERT_EQ(user.shown.size(), 3u);
  for (const auto& shown : user.shown) {
    EXPECT_EQ(shown.text, u"Are you sure you want to remove this point size?");
    EXPECT_EQ(shown.style, kMbYesNo | kMbIconInformation);
  }
}

}  // namespace
}  // namespace vk
