#include "recording_messages.h"

namespace vk::test {

RecordingMessages::RecordingMessages() { UserMessages::SetCurrent(this); }
RecordingMessages::~RecordingMessages() { UserMessages::SetCurrent(nullptr); }

int RecordingMessages::Show(const std::u16string& text, const std::u16string& caption, uint32_t style) {
  shown.push_back({text, caption, style});
  if (!queued_.empty()) {
    const int answer = queued_.front();
    queued_.pop_front();
    return answer;
  }
  return (style & 0xF) == kMbOk ? kIdOk : defaultAnswer_;
}

}  // namespace vk::test
