#include "import/win32/pw_confirm_dialog.h"

namespace vk {

BOOL CVellumarkPWConfirmDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_PW_DOCUMENT, m_strDocument);
  CenterWindow();  // over Excel's window when it owns the dialog, else over the work area
  return TRUE;
}

bool CVellumarkPWConfirmDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  switch (LOWORD(wParam)) {
    case IDC_PW_UPDATE_SERVER_COPY:
      Choose(kPwChoiceUpdateServerCopy);
      break;
    case IDC_PW_FREE:
      Choose(kPwChoiceFree);
      break;
    default:
      return false;  // OK and Cancel take the base road
  }
  *result = 0;
  return true;
}

void CVellumarkPWConfirmDialog::OnOK() { Choose(kPwChoiceCheckIn); }

void CVellumarkPWConfirmDialog::Choose(int32_t choice) {
  m_nChoice = choice;
  CDialog::OnOK();
}

}  // namespace vk
