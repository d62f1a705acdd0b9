#pragma once
#include <memory>

#include "ui/clipboard.h"

namespace vk::test {

// The clipboard for one test, empty at its start. Natively a fresh one in memory, installed as
// the current clipboard for the test's span; in the Windows build the platform's own, held
// against the other test programs of the prefix with a named mutex and emptied before and after.
class TestClipboard {
 public:
  TestClipboard();
  ~TestClipboard();
  TestClipboard(const TestClipboard&) = delete;
  TestClipboard& operator=(const TestClipboard&) = delete;

  Clipboard& Get() { return Clipboard::Current(); }
  // True when it is the platform's clipboard.
  static bool IsPlatformClipboard();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vk::test
