#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "link/link_channel.h"

namespace vk::test {

// One message as the receiver got it: for WM_COPYDATA wParam is the link dialog's handle, cbData
// the record's size and bytes a copy of the record; for the table start wParam/lParam are rows
// and columns; for the end lParam is the reason.
struct LinkMessage {
  unsigned kind = 0;
  uint64_t wParam = 0;
  int64_t lParam = 0;
  uint32_t cbData = 0;
  std::vector<uint8_t> bytes;
};

// The link dialog and a receiver in memory, for tests without windows. It keeps the link
// dialog's rules: the receiver is looked up only by FindReceiver and StartTable; SendRecord and
// EndLink use the handle found last, so a receiver that closed (or was replaced) after the
// look-up silently misses the messages while SendRecord still answers true.
class MemoryLink final : public LinkChannel {
 public:
  static constexpr uint64_t kDialogHandle = 0x10A2C;  // stands for the link dialog's window

  bool FindReceiver() override;
  void StartTable(int rows, int columns) override;
  bool SendRecord(const void* record, int size) override;
  void EndLink(int reason) override;

  // Whether a receiver window exists. Opening one after a close makes a new window.
  void SetReceiverPresent(bool present);
  bool HoldsReceiver() const { return m_held != 0; }

  std::vector<LinkMessage> messages;  // what the receiver got, in order
  // Off: a record is kept with its size but not its bytes (imports of large areas, whose
  // 13320-byte records would fill the memory).
  bool keepRecordBytes = true;
  int findCount = 0;                  // receiver look-ups
  // Called with each message the receiver gets, as it gets it (a runner printing as it goes).
  // With keepMessages off nothing is added to messages, so a long import holds no records.
  std::function<void(const LinkMessage&)> onMessage;
  bool keepMessages = true;

 private:
  void Deliver(LinkMessage message);

  uint64_t m_window = 1;  // the receiver window of the moment; 0 when there is none
  uint64_t m_nextWindow = 2;
  uint64_t m_held = 0;    // the handle found last
};

}  // namespace vk::test
