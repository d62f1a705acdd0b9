#include "ui/win32/dialog.h"

#include "ui/win32/resource_module.h"
#include "automation/win32/win32_text.h"

namespace vk {

namespace {

// The dialog whose window is being made on this thread: messages that come before
// WM_INITDIALOG (WM_SETFONT, an owner-drawn control's WM_MEASUREITEM) reach it through this.
thread_local CDialog* t_creating = nullptr;

class CreatingScope {
 public:
  explicit CreatingScope(CDialog* dialog) : m_previous(t_creating) { t_creating = dialog; }
  ~CreatingScope() { t_creating = m_previous; }
  CreatingScope(const CreatingScope&) = delete;
  CreatingScope& operator=(const CreatingScope&) = delete;

 private:
  CDialog* m_previous;
};

}  // namespace

bool DialogReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
    case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

CDialog::CDialog(std::wstring templateName) : m_template(std::move(templateName)) {}

CDialog::~CDialog() {
  if (m_hWnd != nullptr) DestroyWindow();
}

const DLGTEMPLATE* CDialog::LoadTemplate() const {
  return ResourceModule::DialogTemplate(m_template.c_str(), m_language);
}

bool CDialog::Create(HWND parent) {
  if (m_hWnd != nullptr) return false;
  const DLGTEMPLATE* dialogTemplate = LoadTemplate();
  if (dialogTemplate == nullptr) return false;
  m_modal = false;
  CreatingScope scope(this);
  HWND window = CreateDialogIndirectParamW(ResourceModule::Get(), dialogTemplate, parent, &CDialog::DialogProc,
                                           reinterpret_cast<LPARAM>(this));
  return window != nullptr && m_hWnd == window;
}

INT_PTR CDialog::DoModal(HWND parent) {
  if (m_hWnd != nullptr) return -1;
  const DLGTEMPLATE* dialogTemplate = LoadTemplate();
  if (dialogTemplate == nullptr) return -1;
  m_modal = true;
  CreatingScope scope(this);
  return DialogBoxIndirectParamW(ResourceModule::Get(), dialogTemplate, parent, &CDialog::DialogProc,
                                 reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) {
  if (m_hWnd != nullptr) ::EndDialog(m_hWnd, result);
}

bool CDialog::DestroyWindow() {
  if (m_hWnd == nullptr) return false;
  HWND window = m_hWnd;
  return ::DestroyWindow(window) != FALSE;  // WM_NCDESTROY clears m_hWnd
}

void CDialog::SetDlgItemText(int id, const std::u16string& text) {
  if (m_hWnd != nullptr) ::SetDlgItemTextW(m_hWnd, id, W(text));
}

std::u16string CDialog::GetDlgItemText(int id) const {
  HWND item = GetDlgItem(id);
  if (item == nullptr) return {};
  int length = GetWindowTextLengthW(item);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), length + 1)));
  return FromWide(std::wstring_view(text));
}

void CDialog::CenterWindow() {
  if (m_hWnd == nullptr) return;
  RECT window{};
  GetWindowRect(m_hWnd, &window);
  RECT area{};
  HWND owner = GetWindow(m_hWnd, GW_OWNER);
  if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
    GetWindowRect(owner, &area);
  } else {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY);
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return;
    area = info.rcWork;
  }
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int x = area.left + ((area.right - area.left) - width) / 2;
  const int y = area.top + ((area.bottom - area.top) - height) / 2;
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CDialog::OnInitDialog() { return TRUE; }

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

void CDialog::OnOK() {
  if (m_modal) EndDialog(IDOK);
}

void CDialog::OnCancel() {
  if (m_modal) EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) {
    self = (message == WM_INITDIALOG) ? reinterpret_cast<CDialog*>(lParam) : t_creating;
    if (self == nullptr) return FALSE;
    self->m_hWnd = window;
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
  }

  if (message == WM_INITDIALOG) {
    LRESULT result = 0;
    if (self->OnMessage(message, wParam, lParam, &result)) return static_cast<INT_PTR>(result);
    return self->OnInitDialog();
  }

  INT_PTR handled = FALSE;
  LRESULT result = 0;
  if (self->OnMessage(message, wParam, lParam, &result)) {
    if (DialogReturnsResultDirectly(message)) {
      handled = static_cast<INT_PTR>(result);
    } else {
      SetWindowLongPtrW(window, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
      handled = TRUE;
    }
  } else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
    self->OnOK();
    handled = TRUE;
  } else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
    self->OnCancel();
    handled = TRUE;
  }

  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, DWLP_USER, 0);
    self->m_hWnd = nullptr;
  }
  return handled;
}

}  // namespace vk
