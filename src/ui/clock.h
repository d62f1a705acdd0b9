#pragma once
#include <cstdint>
#include <ctime>

namespace vk {

// The time of day and the waits of the import, as a seam so that tests can pin the time and
// skip the waits. The standard library's clock is the platform's own on every build.
class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since the epoch, as time() gives them.
  virtual std::time_t Now() = 0;
  // Blocks the calling thread for the given milliseconds.
  virtual void Wait(uint32_t milliseconds) = 0;
  // A moment as the local calendar shows it, and a local calendar time as a moment (the
  // standard library's localtime and mktime on the platform's clock). Part of the seam so that
  // names and stamps made from the local time do not depend on the zone a test runs in.
  virtual std::tm ToLocal(std::time_t time) = 0;
  virtual std::time_t FromLocal(std::tm local) = 0;

  static Clock& Current();
  // A stand-in for a while; null goes back to the system clock.
  static void SetCurrent(Clock* clock);
};

}  // namespace vk
