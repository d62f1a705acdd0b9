#include "ui/clock.h"

#include <chrono>
#include <thread>

namespace vk {

namespace {

class SystemClock final : public Clock {
 public:
  std::time_t Now() override { return std::time(nullptr); }
  void Wait(uint32_t milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
};

Clock* g_clock = nullptr;

}  // namespace

Clock& Clock::Current() {
  static SystemClock system;
  return g_clock ? *g_clock : system;
}
void Clock::SetCurrent(Clock* clock) { g_clock = clock; }

}  // namespace vk
