#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "ui/user_messages.h"

namespace vk::test {

struct ShownMessage {
  std::u16string text;
  std::u16string caption;
  uint32_t style = 0;
};

// Stands in for the user: installed as the current UserMessages for its lifetime, records every
// message and answers with the queued answers, then with kIdOk for OK boxes and the default
// answer (Yes unless told) for questions.
class RecordingMessages final : public UserMessages {
 public:
  RecordingMessages();
  ~RecordingMessages() override;
  RecordingMessages(const RecordingMessages&) = delete;
  RecordingMessages& operator=(const RecordingMessages&) = delete;

  int Show(const std::u16string& text, const std::u16string& caption, uint32_t style) override;

  void QueueAnswer(int answer) { queued_.push_back(answer); }
  void SetDefaultAnswer(int answer) { defaultAnswer_ = answer; }

  std::vector<ShownMessage> shown;

 private:
  std::deque<int> queued_;
  int defaultAnswer_ = kIdYes;
};

}  // namespace vk::test
