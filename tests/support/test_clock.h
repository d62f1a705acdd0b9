#pragma once
#include <cstdint>
#include <ctime>
#include <vector>

#include "ui/clock.h"

namespace vk::test {

// Installed as the current clock for its lifetime: the time stands still where the test puts it
// and waits return at once, each one noted.
class TestClock final : public Clock {
 public:
  explicit TestClock(std::time_t now);
  ~TestClock() override;
  TestClock(const TestClock&) = delete;
  TestClock& operator=(const TestClock&) = delete;

  // The local time given, converted as the C library converts it.
  static std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second = 0);

  std::time_t Now() override { return now; }
  void Wait(uint32_t milliseconds) override { waits.push_back(milliseconds); }

  std::time_t now;
  std::vector<uint32_t> waits;
};

}  // namespace vk::test
