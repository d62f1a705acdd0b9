#include "registration_lock.h"

namespace vk::test {

RegistrationLock::RegistrationLock() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\VellumarkTestRegistration")) {
  if (mutex_) WaitForSingleObject(mutex_, 300000);
}

RegistrationLock::~RegistrationLock() {
  if (mutex_) {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }
}

}  // namespace vk::test
