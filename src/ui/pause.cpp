#include "ui/pause.h"

#include <chrono>
#include <thread>

namespace vk {
namespace {

std::function<void(uint32_t)>& Override() {
  static std::function<void(uint32_t)> pause;
  return pause;
}

}  // namespace

void Pause(uint32_t milliseconds) {
  if (Override()) {
    Override()(milliseconds);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SetPauseForTests(std::function<void(uint32_t)> pause) { Override() = std::move(pause); }

}  // namespace vk
