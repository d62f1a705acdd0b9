#include "memory_link.h"

#include "message_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace vk::test {
namespace {

// The memory link stands in for the link dialog in every native import test, so it must keep
// the dialog's rules about when the receiver is looked up.
TEST(MemoryLink, KeepsTheLinkDialogsRulesAboutTheReceiver) {
  MemoryLink link;
  const std::vector<uint8_t> record(13320, 0xAB);

  link.SetReceiverPresent(false);
  EXPECT_FALSE(link.FindReceiver());
  link.StartTable(2, 3);
  EXPECT_FALSE(link.SendRecord(record.data(), 13320));
  link.EndLink(kLinkEndImported);
  EXPECT_TRUE(link.messages.empty());

  // A receiver that appears later is not seen until the next table start.
  link.SetReceiverPresent(true);
  EXPECT_FALSE(link.SendRecord(record.data(), 13320));
  link.StartTable(2, 3);
  EXPECT_TRUE(link.SendRecord(record.data(), 13320));

  // One that goes away keeps being "sent" to, silently.
  link.SetReceiverPresent(false);
  EXPECT_TRUE(link.SendRecord(record.data(), 5072));
  link.EndLink(kLinkEndImported);

  EXPECT_TRUE(SameMessages(Rows(link.messages), {{kTableStartMessage, 2, 3},
                                                  {kCopyDataMessage, MemoryLink::kDialogHandle, 0}}));
  ASSERT_EQ(link.messages.size(), 2u);
  EXPECT_EQ(link.messages[1].cbData, 13320u);
  EXPECT_EQ(link.messages[1].bytes, record);
}

}  // namespace
}  // namespace vk::test
