// The message tables' failure text is what a reader of a failed link test sees first: it must
// name the first row that differs and the field.
#include "message_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vk::test {
namespace {

TEST(MessageTable, NamesTheFirstDifferingRowAndField) {
  const std::vector<MessageRow> got = {{0x465, 2, 3}, {0x4A, 7, 1234}, {0x466, 0, 2}};
  struct Case {
    const char* what;
    std::vector<MessageRow> expected;
    const char* failure;  // empty: the tables match
  };
  const Case cases[] = {
      {"same, an address not compared", {{0x465, 2, 3}, {0x4A, 7, kAny}, {0x466, 0, 2}}, ""},
      {"reason", {{0x465, 2, 3}, {0x4A, 7, kAny}, {0x466, 0, 1}},
       "row 2 of 3 expected (3 got): lParam is 2, expected 1\n"
       "  got:      0x466 wParam 0 lParam 2\n"
       "  expected: 0x466 wParam 0 lParam 1"},
      {"first of two differences", {{0x465, 3, 3}, {0x466, 7, kAny}, {0x466, 0, 1}},
       "row 0 of 3 expected (3 got): wParam is 2, expected 3"},
      {"message", {{0x465, 2, 3}, {0x466, 7, kAny}, {0x466, 0, 2}},
       "row 1 of 3 expected (3 got): message is 0x4a, expected 0x466"},
      {"a row too few", {{0x465, 2, 3}, {0x4A, 7, kAny}},
       "row 2 of 2 expected (3 got): unexpected 0x466 wParam 0 lParam 2"},
      {"a row too many", {{0x465, 2, 3}, {0x4A, 7, kAny}, {0x466, 0, 2}, {0x468, 0, 1}},
       "row 3 of 4 expected (3 got): missing; expected 0x468 wParam 0 lParam 1"},
  };
  for (const Case& c : cases) {
    const ::testing::AssertionResult result = SameMessages(got, c.expected);
    EXPECT_EQ(static_cast<bool>(result), std::string(c.failure).empty()) << c.what;
    EXPECT_EQ(std::string(result.message()).rfind(c.failure, 0), 0u) << c.what << ": " << result.message();
  }
}

}  // namespace
}  // namespace vk::test
