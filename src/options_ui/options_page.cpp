#include "options_ui/options_page.h"

#include "options_ui/options_sheet.h"

namespace vk {

COptionsSheet* COptionsPage::OptionsSheet() const { return static_cast<COptionsSheet*>(GetSheet()); }

int32_t COptionsPage::FuncState() const { return OptionsSheet() ? OptionsSheet()->m_nFuncState : 0; }

int32_t COptionsPage::ActivePosition() const { return OptionsSheet() ? OptionsSheet()->GetActiveIndex() : 0; }

void COptionsPage::OnTableType(bool) {}

void COptionsPage::NotifyTableType(bool anonymousBlock) {
  if (OptionsSheet() != nullptr) OptionsSheet()->OnTableType(this, anonymousBlock);
}

}  // namespace vk
