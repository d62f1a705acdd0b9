#include "text/text_format.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

TEST(FormatText, FillsTheProductsMessageForms) {
  EXPECT_EQ(FormatText(u"Invalid selected range: 0x%x, %d", {int64_t{static_cast<int32_t>(0x80004002)}, int64_t{1370}}),
            u"Invalid selected range: 0x80004002, 1370");
  EXPECT_EQ(FormatText(u"Invalid range: %ld, %ld", {int64_t{120}, int64_t{-1}}), u"Invalid range: 120, -1");
  EXPECT_EQ(FormatText(u"Error: %s, %d%%", {std::u16string_view(u"Type mismatch."), int64_t{7}}),
            u"Error: Type mismatch., 7%");
}

TEST(FormatText, MissingOrMismatchedArgumentsPrintNothing) {
  EXPECT_EQ(FormatText(u"a %d b %s c", {}), u"a  b  c");
  EXPECT_EQ(FormatText(u"%s|%d", {int64_t{3}, std::u16string_view(u"x")}), u"|");
}

}  // namespace
}  // namespace vk
