#include "test_clipboard.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "ui/memory_clipboard.h"
#endif

namespace vk::test {

#ifdef _WIN32

namespace {
void EmptyPlatformClipboard() {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
}
}  // namespace

struct TestClipboard::State {
  HANDLE mutex = nullptr;
};

TestClipboard::TestClipboard() : state_(std::make_unique<State>()) {
  state_->mutex = CreateMutexW(nullptr, FALSE, L"Local\\VellumarkTestClipboard");
  if (state_->mutex) WaitForSingleObject(state_->mutex, INFINITE);  // WAIT_ABANDONED still hands it over
  EmptyPlatformClipboard();
}

TestClipboard::~TestClipboard() {
  EmptyPlatformClipboard();
  if (state_->mutex) {
    ReleaseMutex(state_->mutex);
    CloseHandle(state_->mutex);
  }
}

bool TestClipboard::IsPlatformClipboard() { return true; }

#else

struct TestClipboard::State {
  MemoryClipboard clipboard;
};

TestClipboard::TestClipboard() : state_(std::make_unique<State>()) { Clipboard::SetCurrent(&state_->clipboard); }
TestClipboard::~TestClipboard() { Clipboard::SetCurrent(nullptr); }

bool TestClipboard::IsPlatformClipboard() { return false; }

#endif

}  // namespace vk::test
