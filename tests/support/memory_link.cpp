#include "memory_link.h"

#include <cstring>

namespace vk::test {

bool MemoryLink::FindReceiver() {
  ++findCount;
  m_held = m_window;
  return m_held != 0;
}

void MemoryLink::StartTable(int rows, int columns) {
  FindReceiver();
  if (m_held == 0) return;
  LinkMessage message;
  message.kind = kWmLinkTableStart;
  message.wParam = static_cast<uint64_t>(static_cast<int64_t>(rows));
  message.lParam = columns;
  Deliver(std::move(message));
}

bool MemoryLink::SendRecord(const void* record, int size) {
  if (m_held == 0) return false;
  if (size < 0 || (record == nullptr && size != 0)) return false;
  LinkMessage message;
  message.kind = kWmCopyData;
  message.wParam = kDialogHandle;
  message.cbData = static_cast<uint32_t>(size);
  if (keepRecordBytes) {
    message.bytes.resize(static_cast<size_t>(size));
    if (size != 0) std::memcpy(message.bytes.data(), record, static_cast<size_t>(size));
  }
  Deliver(std::move(message));
  return true;
}

void MemoryLink::EndLink(int reason) {
  if (m_held == 0) return;
  LinkMessage message;
  message.kind = kWmLinkEnd;
  message.lParam = reason;
  Deliver(std::move(message));
}

void MemoryLink::SetReceiverPresent(bool present) {
  if (present && m_window == 0) m_window = m_nextWindow++;
  if (!present) m_window = 0;
}

// A send to a handle whose window is gone fails silently, as SendMessageW does.
void MemoryLink::Deliver(LinkMessage message) {
  if (m_held == 0 || m_held != m_window) return;
  if (onMessage) onMessage(message);
  if (keepMessages) messages.push_back(std::move(message));
}

}  // namespace vk::test
