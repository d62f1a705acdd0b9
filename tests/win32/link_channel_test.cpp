#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "automation/com_error.h"
#include "import/import_driver.h"
#include "link/link_channel.h"
#include "link/win32/signal_dialog.h"
#include "message_table.h"
#include "receiver_log.h"
#include "test_shell.h"
#include "win32/receiver_process.h"

namespace vk {
namespace {

// Stands in for the add-in object: counts the imports the CAD side asks for (the driver's own
// RunImport still guards against a second one during a run).
class TestOwner final : public CImportDriver {
 public:
  int ImportSteps(int bSelectedRange) override {
    calls.push_back(bSelectedRange);
    return onImport ? onImport(bSelectedRange) : 0;
  }
  std::vector<int> calls;
  std::function<int(int)> onImport;
};

std::vector<uint8_t> Record(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
  const uint32_t leading = static_cast<uint32_t>(size);  // records start with their own size
  std::memcpy(bytes.data(), &leading, sizeof leading);
  return bytes;
}

// The link dialog in this process, the receiver as a second process, both found by title.
class LinkChannelTest : public ::testing::Test {
 protected:
  std::vector<test::ReceiverEntry> Received() {
    receiver_.Stop();
    auto entries = test::ReadReceiverLog(logPath_);
    EXPECT_TRUE(entries.has_value());
    return entries.value_or(std::vector<test::ReceiverEntry>{});
  }

  test::LinkWindowsLock lock_;
  test::TempFolder folder_;
  std::u16string logPath_ = folder_.File(u"receiver.log");
  test::ReceiverProcess receiver_{logPath_};
};

TEST_F(LinkChannelTest, SendsTablesRecordsAndEndsToTheReceiver) {
  ASSERT_TRUE(receiver_.Start());
  CSignalDialog link(nullptr);
  ASSERT_TRUE(link.Create(nullptr));
  EXPECT_EQ(link.m_hReceiver, receiver_.Window());  // looked up when the window was made

  const std::vector<uint8_t> cell = Record(13320, 1), shape = Record(5072, 2);
  link.StartTable(2, 3);
  EXPECT_TRUE(link.SendRecord(cell.data(), static_cast<int>(cell.size())));
  EXPECT_TRUE(link.SendRecord(shape.data(), static_cast<int>(shape.size())));
  link.StartTable(1048576, 16384);
  link.EndLink(kLinkEndImported);
  link.EndLink(kLinkEndDisconnecting);

  const auto received = Received();
  const auto dialog = reinterpret_cast<uint64_t>(link.GetSafeHwnd());
  using test::kAny;
  EXPECT_TRUE(test::SameMessages(test::Rows(received), {{test::kTableStartMessage, 2, 3},
                                                        {test::kCopyDataMessage, dialog, kAny},
                                                        {test::kCopyDataMessage, dialog, kAny},
                                                        {test::kTableStartMessage, 1048576, 16384},
                                                        {test::kEndMessage, 0, 1},
                                                        {test::kEndMessage, 0, 2}}));
  ASSERT_EQ(received.size(), 6u);
  EXPECT_EQ(received[1].cbData, 13320u);
  EXPECT_EQ(received[1].bytes, cell);
  EXPECT_EQ(received[2].cbData, 5072u);
  EXPECT_EQ(received[2].bytes, shape);
}

TEST_F(LinkChannelTest, WithoutReceiverNothingIsSentAndALateOneIsFoundByTheNextTable) {
  CSignalDialog link(nullptr);
  ASSERT_TRUE(link.Create(nullptr));
  const std::vector<uint8_t> cell = Record(13320, 3);
  EXPECT_FALSE(link.FindReceiver());
  link.StartTable(2, 2);
  EXPECT_FALSE(link.SendRecord(cell.data(), 13320));
  link.EndLink(kLinkEndImported);

  // The CAD side starts after Excel: only the next table start looks it up.
  ASSERT_TRUE(receiver_.Start());
  EXPECT_FALSE(link.SendRecord(cell.data(), 13320));
  link.EndLink(kLinkEndImported);
  link.StartTable(1, 1);
  EXPECT_TRUE(link.SendRecord(cell.data(), 13320));
  link.EndLink(kLinkEndImported);

  const auto dialog = reinterpret_cast<uint64_t>(link.GetSafeHwnd());
  EXPECT_TRUE(test::SameMessages(test::Rows(Received()), {{test::kTableStartMessage, 1, 1},
                                                          {test::kCopyDataMessage, dialog, test::kAny},
                                                          {test::kEndMessage, 0, 1}}));

  // The receiver is gone now: sends go to the handle found last and are lost without harm.
  EXPECT_TRUE(link.SendRecord(cell.data(), 13320));
  link.EndLink(kLinkEndDisconnecting);
}

TEST_F(LinkChannelTest, AnImportRequestFromTheCadSideRunsTheOwnersImport) {
  ASSERT_TRUE(receiver_.Start());
  TestOwner owner;
  owner.onImport = [](int bSelectedRange) { return bSelectedRange ? 1375 : static_cast<int>(0x800AC472); };
  CSignalDialog link(&owner);
  ASSERT_TRUE(link.Create(nullptr));

  EXPECT_EQ(receiver_.RequestImport(1), 1375);
  // Only the low 32 bits of lParam count; a negative result arrives sign-extended.
  EXPECT_EQ(receiver_.RequestImport(static_cast<LPARAM>(0x100000000LL)), static_cast<LRESULT>(-2146777998));
  EXPECT_EQ(owner.calls, (std::vector<int>{1, 0}));

  // What the receiver sent, with the link dialog's answers.
  const auto received = Received();
  EXPECT_TRUE(test::SameMessages(test::Rows(received), {{test::kImportMessage, 0, 1},
                                                        {test::kImportMessage, 0, 0x100000000LL}}));
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].direction, 1u);
  EXPECT_EQ(received[0].result, 1375);
  EXPECT_EQ(received[1].result, -2146777998);
}

TEST_F(LinkChannelTest, ASecondRequestDuringAnImportIsRefusedAsBusy) {
  ASSERT_TRUE(receiver_.Start());
  TestOwner owner;
  CSignalDialog link(&owner);
  ASSERT_TRUE(link.Create(nullptr));
  const std::vector<uint8_t> cell = Record(13320, 4);
  LRESULT nested = 0;
  owner.onImport = [&](int) {
    link.StartTable(1, 1);
    // While this import waits on the receiver, the CAD side asks for another one.
    nested = receiver_.RequestImport(1);
    link.SendRecord(cell.data(), 13320);
    link.EndLink(kLinkEndImported);
    return 0;
  };

  EXPECT_EQ(receiver_.RequestImport(0), 0);
  EXPECT_EQ(nested, static_cast<LRESULT>(kExcelBusy));
  EXPECT_EQ(owner.calls, (std::vector<int>{0}));

  owner.onImport = nullptr;  // once it is over, requests run again
  EXPECT_EQ(receiver_.RequestImport(1), 0);
  EXPECT_EQ(owner.calls, (std::vector<int>{0, 1}));

  const auto received = Received();
  const auto dialog = reinterpret_cast<uint64_t>(link.GetSafeHwnd());
  EXPECT_TRUE(test::SameMessages(test::Rows(received),
                                 {{test::kTableStartMessage, 1, 1},
                                  {test::kImportMessage, 0, 1},  // the refused request, logged when answered
                                  {test::kCopyDataMessage, dialog, test::kAny},
                                  {test::kEndMessage, 0, 1},
                                  {test::kImportMessage, 0, 0},  // the outer request, answered last
                                  {test::kImportMessage, 0, 1}}));
  ASSERT_EQ(received.size(), 6u);
  EXPECT_EQ(received[1].result, static_cast<int64_t>(kExcelBusy));
  EXPECT_EQ(received[2].bytes, cell);
  EXPECT_EQ(received[4].result, 0);
}

}  // namespace
}  // namespace vk
