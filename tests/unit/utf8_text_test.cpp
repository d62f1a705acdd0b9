#include "text/utf8_text.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

TEST(Utf8Text, EncodesEveryPlaneAndReplacesWhatUtf8CannotCarry) {
  EXPECT_EQ(ToUtf8(u"A\u00e9\u65e5"), "A\xC3\xA9\xE6\x97\xA5");
  EXPECT_EQ(ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");  // lone surrogate
  EXPECT_EQ(FromUtf8("A\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80"), u"A\u00e9\u65e5\U0001F600");
  // A cut sequence, a stray continuation byte and an encoded surrogate each become U+FFFD.
  EXPECT_EQ(FromUtf8("\xE6\x97"), u"\uFFFD");
  EXPECT_EQ(FromUtf8("\x80z"), u"\uFFFDz");
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD");
}

}  // namespace
}  // namespace vk
