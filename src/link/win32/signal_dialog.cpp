#include "link/win32/signal_dialog.h"

#include "automation/win32/win32_text.h"

namespace vk {

CSignalDialog::CSignalDialog(ImportRequestHandler* owner) : CDialog(kLinkDialogTemplate), m_pOwner(owner) {}

CSignalDialog::~CSignalDialog() { DestroyWindow(); }

BOOL CSignalDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  FindReceiver();
  return TRUE;
}

bool CSignalDialog::FindReceiver() {
  m_hReceiver = FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kReceiverTitle));
  return m_hReceiver != nullptr;
}

void CSignalDialog::StartTable(int rows, int columns) {
  FindReceiver();
  if (m_hReceiver == nullptr) return;
  SendMessageW(m_hReceiver, kWmLinkTableStart, static_cast<WPARAM>(static_cast<INT_PTR>(rows)),
               static_cast<LPARAM>(columns));
}

bool CSignalDialog::SendRecord(const void* record, int size) {
  if (m_hReceiver == nullptr) return false;
  // A record without bytes or with a negative size is a caller's mistake; nothing goes out.
  if (size < 0 || (record == nullptr && size != 0)) return false;
  COPYDATASTRUCT data{};
  data.cbData = static_cast<DWORD>(size);
  data.lpData = const_cast<void*>(record);
  SendMessageW(m_hReceiver, WM_COPYDATA, reinterpret_cast<WPARAM>(m_hWnd), reinterpret_cast<LPARAM>(&data));
  return true;
}

void CSignalDialog::EndLink(int reason) {
  if (m_hReceiver == nullptr) return;
  SendMessageW(m_hReceiver, kWmLinkEnd, 0, static_cast<LPARAM>(reason));
}

bool CSignalDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != kWmLinkImport) return false;
  *result = OnLinkImport(wParam, lParam);
  return true;
}

LRESULT CSignalDialog::OnLinkImport(WPARAM, LPARAM lParam) {
  if (m_pOwner == nullptr) return 0;
  // A request arriving during an import is answered busy by RunImport itself.
  try {
    return static_cast<LRESULT>(m_pOwner->RunImport(static_cast<int>(static_cast<uint32_t>(lParam))));
  } catch (...) {
    // The driver reports its own failures; nothing may unwind through the window procedure.
    return static_cast<LRESULT>(static_cast<int32_t>(E_UNEXPECTED));
  }
}

}  // namespace vk
