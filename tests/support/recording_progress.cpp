#include "recording_progress.h"

namespace vk::test {

class RecordingProgress::Window final : public ProgressWindow {
 public:
  Window(RecordingProgress& owner, int number) : m_owner(owner), m_number(number) {
    ++m_owner.alive;
    Log("create");
  }
  ~Window() override {
    --m_owner.alive;
    Log("destroy");
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  void SetText(const std::u16string& text) override { Log("text", 0, 0, text); }
  void SetRange(int lower, int upper) override { Log("range", lower, upper); }
  void SetPos(int pos) override { Log("pos", pos); }
  void SetStep(int step) override { Log("step", step); }
  void StepIt() override { Log("stepit"); }

 private:
  void Log(const char* what, int a = 0, int b = 0, const std::u16string& text = {}) {
    if (m_owner.keepEvents) m_owner.events.push_back({m_number, what, text, a, b});
  }

  RecordingProgress& m_owner;
  int m_number;
};

RecordingProgress::RecordingProgress() { ProgressFactory::SetCurrent(this); }
RecordingProgress::~RecordingProgress() { ProgressFactory::SetCurrent(nullptr); }

std::unique_ptr<ProgressWindow> RecordingProgress::Create() { return std::make_unique<Window>(*this, ++created); }

}  // namespace vk::test
