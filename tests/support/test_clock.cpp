#include "test_clock.h"

namespace vk::test {

TestClock::TestClock(std::time_t when) : now(when) { Clock::SetCurrent(this); }
TestClock::~TestClock() { Clock::SetCurrent(nullptr); }

std::time_t TestClock::LocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

}  // namespace vk::test
