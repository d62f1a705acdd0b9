#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/progress_window.h"

namespace vk::test {

// One call on a progress window, in the order made: "create", "text", "range", "pos", "step",
// "stepit", "destroy"; window is the window's number (1 for the first created).
struct ProgressEvent {
  int window = 0;
  std::string what;
  std::u16string text;
  int a = 0;
  int b = 0;
};

// Stands in for the progress windows while installed (its lifetime): records every call of
// every window it made and counts the windows still alive.
class RecordingProgress final : public ProgressFactory {
 public:
  RecordingProgress();
  ~RecordingProgress() override;
  RecordingProgress(const RecordingProgress&) = delete;
  RecordingProgress& operator=(const RecordingProgress&) = delete;

  std::unique_ptr<ProgressWindow> Create() override;

  int created = 0;
  int alive = 0;
  std::vector<ProgressEvent> events;
  // False: the calls are not kept (a long import would keep one per cell).
  bool keepEvents = true;

 private:
  class Window;
};

}  // namespace vk::test
