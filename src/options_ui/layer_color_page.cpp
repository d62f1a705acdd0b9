#include "options_ui/layer_color_page.h"

namespace vk {

CLayerColorPage::CLayerColorPage() : COptionsPage(L"IDD_A1346D70_03DD_4ABF_86FC_E8E3EE16685E") {}

BOOL CLayerColorPage::OnInitDialog() {
  m_model.LoadOptions(FuncState());
  return COptionsPage::OnInitDialog();
}

bool CLayerColorPage::OnApply() {
  m_model.Apply(FuncState(), ActivePosition());
  return true;
}

void CLayerColorPage::RefreshAfterLoad() { SetModified(); }

}  // namespace vk
