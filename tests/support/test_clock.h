#pragma once
#include <cstdint>
#include <ctime>
#include <vector>

#include "ui/clock.h"

namespace vk::test {

// Installed as the current clock for its lifetime: the time stands still where the test puts it
// and waits return at once, each one noted. Its local time is Universal Time without daylight
// saving, whatever zone the machine is in, so that what the import makes of the local time can
// be written in a test as a literal.
class TestClock final : public Clock {
 public:
  explicit TestClock(std::time_t now);
  ~TestClock() override;
  TestClock(const TestClock&) = delete;
  TestClock& operator=(const TestClock&) = delete;

  // The moment that the test clock's local calendar shows as the time given.
  static std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second = 0);

  std::time_t Now() override { return now; }
  void Wait(uint32_t milliseconds) override { waits.push_back(milliseconds); }
  std::tm ToLocal(std::time_t time) override;
  std::time_t FromLocal(std::tm local) override;

  std::time_t now;
  std::vector<uint32_t> waits;
};

}  // namespace vk::test
