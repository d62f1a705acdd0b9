#include "ui/progress_window.h"

#include "ui/platform_defaults.h"

namespace vk {

namespace {
ProgressFactory* g_factory = nullptr;
ProgressFactory* g_factoryInstalled = nullptr;
}  // namespace

ProgressFactory& ProgressFactory::Current() {
  if (g_factory) return *g_factory;
  return g_factoryInstalled ? *g_factoryInstalled : platform::DefaultProgressFactory();
}
void ProgressFactory::SetCurrent(ProgressFactory* factory) { g_factory = factory; }
void ProgressFactory::Install(ProgressFactory* factory) { g_factoryInstalled = factory; }

}  // namespace vk
