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

void CProgressDialog::SetRange(int lower, int upper) {
  Flush();
  SendToBar(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper);
  upper_ = upper;
  shownPos_ = static_cast<int>(SendToBar(PBM_GETPOS, 0, 0));
}

void CProgressDialog::SetPos(int pos) {
  pending_ = 0;
  SendToBar(PBM_SETPOS, static_cast<WPARAM>(pos), 0);
  shownPos_ = static_cast<int>(SendToBar(PBM_GETPOS, 0, 0));
}

void CProgressDialog::SetStep(int step) {
  Flush();
  SendToBar(PBM_SETSTEP, static_cast<WPARAM>(step), 0);
  step_ = step;
}

void CProgressDialog::StepIt() {
  ++pending_;
  const unsigned long long now = GetTickCount64();
  const bool filled = static_cast<long long>(shownPos_) + static_cast<long long>(pending_) * step_ >= upper_;
  if (lastPaint_ == 0 || now - lastPaint_ >= kRepaintMs || filled) Flush();
}

void CProgressDialog::Flush() {
  if (pending_ == 0) return;
  const long long target = static_cast<long long>(shownPos_) + static_cast<long long>(pending_) * step_;
  if (pending_ > 1 && step_ > 0 && target <= upper_) {
    // Within the range the steps add up; past it the bar wraps, which only its own steps do right.
    SendToBar(PBM_SETPOS, static_cast<WPARAM>(target), 0);
  } else {
    for (; pending_ > 0; --pending_) SendToBar(PBM_STEPIT, 0, 0);
  }
  pending_ = 0;
  shownPos_ = static_cast<int>(SendToBar(PBM_GETPOS, 0, 0));
  lastPaint_ = GetTickCount64();
}

std::unique_ptr<ProgressWindow> CProgressDialogFactory::Create() {
  auto dialog = std::make_unique<CProgressDialog>();
  dialog->CreateAndShow();
  return dialog;
}

}  // namespace vk
