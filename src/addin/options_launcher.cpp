#include "addin/options_launcher.h"

#include "options_ui/options_sheet.h"

namespace vk {

namespace {

// The real sheet, modal and ownerless; its result is of no interest to the command.
class SheetLauncher final : public OptionsLauncher {
 public:
  void Show(const std::u16string& title, int32_t funcState) override {
    COptionsSheet sheet(title, nullptr, 0);
    sheet.m_nFuncState = funcState;
    sheet.DoModal();
  }
};

SheetLauncher g_productLauncher;
OptionsLauncher* g_current = nullptr;

}  // namespace

OptionsLauncher& OptionsLauncher::Current() { return g_current ? *g_current : g_productLauncher; }

void OptionsLauncher::SetCurrent(OptionsLauncher* launcher) { g_current = launcher; }

}  // namespace vk
