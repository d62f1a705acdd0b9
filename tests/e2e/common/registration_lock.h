#pragma once
#include <windows.h>

namespace vk::test {

// Registering and unregistering the add-in changes machine-wide keys that every run of the
// stand-in host relies on: tests that do either, or that create the add-in through its
// registration, hold this lock so that test programs running side by side do not interleave.
class RegistrationLock {
 public:
  RegistrationLock();
  ~RegistrationLock();
  RegistrationLock(const RegistrationLock&) = delete;
  RegistrationLock& operator=(const RegistrationLock&) = delete;

 private:
  HANDLE mutex_;
};

}  // namespace vk::test
