#include "ui/win32/progress_dialog.h"

#include <commctrl.h>

namespace vk {

CProgressDialog::CProgressDialog() : CDialog(kProgressTemplate) {}

CProgressDialog::~CProgressDialog() { DestroyWindow(); }

bool CProgressDialog::CreateAndShow(LANGID language) {
  // The bar's window class lives in the common controls, which must be registered first.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  SetLanguage(language);
  if (!Create(nullptr)) return false;
  ShowWindow(m_hWnd, SW_SHOW);
  UpdateWindow(m_hWnd);
  return true;
}

BOOL CProgressDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  CenterWindow();
  return TRUE;
}

void CProgressDialog::SetText(const std::u16string& text) { SetDlgItemText(IDC_PROGRESS_TEXT, text); }

LRESULT CProgressDialog::SendToBar(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND bar = GetDlgItem(IDC_PROGRESS_BAR);
  return bar ? SendMessageW(bar, message, wParam, lParam) : 0;
}

void CProgressDialog::SetRange(int lower, int upper) { SendToBar(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
void CProgressDialog::SetPos(int pos) { SendToBar(PBM_SETPOS, static_cast<WPARAM>(pos), 0); }
void CProgressDialog::SetStep(int step) { SendToBar(PBM_SETSTEP, static_cast<WPARAM>(step), 0); }
void CProgressDialog::StepIt() { SendToBar(PBM_STEPIT, 0, 0); }

std::unique_ptr<ProgressWindow> CProgressDialogFactory::Create() {
  auto dialog = std::make_unique<CProgressDialog>();
  dialog->CreateAndShow();
  return dialog;
}

}  // namespace vk
