#include "options_ui/scale_page.h"

namespace vk {

CScalePage::CScalePage() : COptionsPage(L"IDD_C6490801_37B6_4520_B168_398E08615BCF") {}

BOOL CScalePage::OnInitDialog() {
  m_model.LoadOptions(FuncState());
  return COptionsPage::OnInitDialog();
}

bool CScalePage::OnApply() {
  m_model.Apply(FuncState(), ActivePosition());
  return true;
}

void CScalePage::RefreshAfterLoad() { SetModified(); }

}  // namespace vk
