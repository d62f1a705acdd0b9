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

// Waits for the mutex while answering messages sent to this thread's windows: a program that
// holds the clipboard and empties it sends WM_DESTROYCLIPBOARD to the last owner, which may be a
// window of this thread, and would wait for the answer as long as this thread waits for it.
void WaitAnswering(HANDLE mutex) {
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &mutex, FALSE, INFINITE, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0 || woken == WAIT_ABANDONED_0 || woken == WAIT_FAILED) return;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

}  // namespace

struct TestClipboard::State {
  HANDLE mutex = nullptr;
};

TestClipboard::TestClipboard() : state_(std::make_unique<State>()) {
  state_->mutex = CreateMutexW(nullptr, FALSE, L"Local\\VellumarkTestClipboard");
  if (state_->mutex) WaitAnswering(state_->mutex);  // an abandoned mutex is still handed over
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
