#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the stand-in receiver (tools/receiver) writes down, and how tests read it back.
//
// File format, all numbers little-endian:
//   header  "VKRL" then uint32 version (1)
//   entries, one per message, in the order they happened:
//     uint32 direction  0: the receiver got the message; 1: the receiver sent it (WM_LINK_IMPORT)
//     uint32 message    the message number
//     uint64 wParam
//     int64  lParam     (for WM_COPYDATA an address inside the receiver, of no use)
//     uint64 dwData     WM_COPYDATA only, else 0
//     uint32 cbData     WM_COPYDATA only, else 0
//     uint32 reserved   0
//     int64  result     what the receiver answered, or what its own request was answered
//     cbData bytes      the record, WM_COPYDATA only
// Every entry is flushed as it is written, so the file can be read while the receiver runs.
namespace vk::test {

inline constexpr char kReceiverLogMagic[4] = {'V', 'K', 'R', 'L'};
inline constexpr uint32_t kReceiverLogVersion = 1;
inline constexpr size_t kReceiverEntryHeaderSize = 48;

// Commands a test sends to the receiver window (besides WM_CLOSE, which ends the receiver).
// kReceiverRequestImport: the receiver sends WM_LINK_IMPORT with this lParam to the link dialog
// (found by its title), logs it and answers with the link dialog's answer, or
// kReceiverNoLinkDialog when there is no link dialog.
inline constexpr unsigned kReceiverRequestImport = 0x8000 + 1;  // WM_APP + 1
inline constexpr int64_t kReceiverNoLinkDialog = -1;

struct ReceiverEntry {
  uint32_t direction = 0;
  uint32_t message = 0;
  uint64_t wParam = 0;
  int64_t lParam = 0;
  uint64_t dwData = 0;
  uint32_t cbData = 0;
  int64_t result = 0;
  std::vector<uint8_t> bytes;
};

// Serialises one entry (the receiver's writer and tests share this).
std::vector<uint8_t> EncodeReceiverEntry(const ReceiverEntry& entry);
// Reads a whole log; nothing when the file is missing or not a receiver log. A torn last entry
// (the receiver killed while writing) is left out.
std::optional<std::vector<ReceiverEntry>> ReadReceiverLog(const std::u16string& path);

}  // namespace vk::test
