#include "ui/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace vk {

namespace {

class SystemClock final : public Clock {
 public:
  std::time_t Now() override { return std::time(nullptr); }
  void Wait(uint32_t milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
  // Only Excel's user-interface thread asks, so localtime's shared buffer is safe here.
  std::tm ToLocal(std::time_t time) override {
    const std::tm* local = std::localtime(&time);
    return local ? *local : std::tm{};
  }
  std::time_t FromLocal(std::tm local) override { return std::mktime(&local); }
};

Clock* g_clock = nullptr;

}  // namespace

Clock& Clock::Current() {
  static SystemClock system;
  return g_clock ? *g_clock : system;
}
void Clock::SetCurrent(Clock* clock) { g_clock = clock; }

}  // namespace vk
