#include "test_clock.h"

namespace vk::test {

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar (month 1 to 12).
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

}  // namespace

TestClock::TestClock(std::time_t when) : now(when) { Clock::SetCurrent(this); }
TestClock::~TestClock() { Clock::SetCurrent(nullptr); }

std::time_t TestClock::LocalTime(int year, int month, int day, int hour, int minute, int second) {
  return static_cast<std::time_t>(DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second);
}

std::tm TestClock::ToLocal(std::time_t time) {
  const int64_t seconds = static_cast<int64_t>(time);
  int64_t days = seconds / 86400;
  int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    days -= 1;
  }
  // The civil date of a day count, the inverse of DaysFromCivil.
  const int64_t z = days + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  std::tm t{};
  t.tm_year = static_cast<int>(year - 1900);
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = static_cast<int>(rest / 3600);
  t.tm_min = static_cast<int>(rest % 3600 / 60);
  t.tm_sec = static_cast<int>(rest % 60);
  t.tm_wday = static_cast<int>((days % 7 + 11) % 7);  // 1970-01-01 was a Thursday
  t.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
  return t;
}

std::time_t TestClock::FromLocal(std::tm local) {
  // Out-of-range fields carry over as mktime carries them: months into years, the rest by
  // plain arithmetic on seconds.
  int64_t year = local.tm_year + 1900 + local.tm_mon / 12;
  int month = local.tm_mon % 12;
  if (month < 0) {
    month += 12;
    year -= 1;
  }
  return static_cast<std::time_t>(DaysFromCivil(year, month + 1, 1) * 86400 +
                                  (int64_t{local.tm_mday} - 1) * 86400 + int64_t{local.tm_hour} * 3600 +
                                  int64_t{local.tm_min} * 60 + local.tm_sec);
}

}  // namespace vk::test
