#include "addin/options_launcher.h"

namespace vk {

namespace {

// Until the Options sheet exists the command has nothing to open.
class NoSheetLauncher final : public OptionsLauncher {
 public:
  void Show(const std::u16string&, int32_t) override {}
};

NoSheetLauncher g_productLauncher;
OptionsLauncher* g_current = nullptr;

}  // namespace

OptionsLauncher& OptionsLauncher::Current() { return g_current ? *g_current : g_productLauncher; }

void OptionsLauncher::SetCurrent(OptionsLauncher* launcher) { g_current = launcher; }

}  // namespace vk
