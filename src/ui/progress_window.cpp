#include "ui/progress_window.h"

#include "ui/platform_defaults.h"

namespace vk {

namespace {
ProgressFactory* g_factory = nullptr;
}  // namespace

ProgressFactory& ProgressFactory::Current() { return g_factory ? *g_factory : platform::DefaultProgressFactory(); }
void ProgressFactory::SetCurrent(ProgressFactory* factory) { g_factory = factory; }

}  // namespace vk
