// The real registry for tests that run under Wine.
#include <windows.h>

#include <memory>

#include "settings/win32/win32_registry_hive.h"

namespace vk::test {

std::unique_ptr<RegistryHive> MakeWin32TestHive() { return std::make_unique<Win32RegistryHive>(); }

// ctest runs test processes side by side on one prefix; they take turns with the settings key.
void* LockWin32TestRegistry() {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\VellumarkTestRegistry");
  if (mutex) WaitForSingleObject(mutex, INFINITE);  // WAIT_ABANDONED still hands us the lock
  return mutex;
}

void UnlockWin32TestRegistry(void* lock) {
  if (!lock) return;
  ReleaseMutex(static_cast<HANDLE>(lock));
  CloseHandle(static_cast<HANDLE>(lock));
}

}  // namespace vk::test
