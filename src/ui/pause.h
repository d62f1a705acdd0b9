#pragma once
#include <cstdint>
#include <functional>

namespace vk {

// Waits on the calling thread, as the picture export does between clipboard attempts. Tests
// replace the wait so that a run with failing attempts does not take seconds.
void Pause(uint32_t milliseconds);
// An empty function goes back to the real wait.
void SetPauseForTests(std::function<void(uint32_t)> pause);

}  // namespace vk
