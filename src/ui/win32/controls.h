#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace vk {

// Thin typed views of the standard controls a dialog or page holds. They own nothing: a view is
// bound to a child window (Attach, or the constructor taking the dialog and the id) and stays
// valid while that window lives. Only what the option pages need is here.
class CWnd {
 public:
  CWnd() = default;
  explicit CWnd(HWND window) : m_hWnd(window) {}
  CWnd(HWND dialog, int id) : m_hWnd(dialog ? ::GetDlgItem(dialog, id) : nullptr) {}

  void Attach(HWND window) { m_hWnd = window; }
  void Attach(HWND dialog, int id) { m_hWnd = dialog ? ::GetDlgItem(dialog, id) : nullptr; }
  HWND GetSafeHwnd() const { return m_hWnd; }
  explicit operator bool() const { return m_hWnd != nullptr; }
  int GetDlgCtrlID() const { return m_hWnd ? ::GetDlgCtrlID(m_hWnd) : 0; }

  std::u16string GetWindowText() const;
  void SetWindowText(const std::u16string& text);
  void EnableWindow(bool enable);
  bool IsWindowEnabled() const { return m_hWnd && ::IsWindowEnabled(m_hWnd); }
  // Shows or hides the control itself (its parent's visibility is not asked).
  void ShowWindow(bool show);
  bool IsVisible() const { return m_hWnd && (GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 protected:
  HWND m_hWnd = nullptr;
};

class CEdit : public CWnd {
 public:
  using CWnd::CWnd;
  void SetSel(int start, int end) { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
};

// Push button, check box or radio button.
class CButton : public CWnd {
 public:
  using CWnd::CWnd;
  int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
  void SetCheck(int state) { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
  // A click as the user makes it: the parent gets BN_CLICKED.
  void Click() { Send(BM_CLICK); }
};

class CComboBox : public CWnd {
 public:
  using CWnd::CWnd;
  int AddString(const std::u16string& text);
  int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  // -1 clears the selection; a position beyond the list leaves none selected.
  int SetCurSel(int position) { return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(position))); }
  std::u16string GetLBText(int position) const;
  void ResetContent() { Send(CB_RESETCONTENT); }
  LRESULT GetItemData(int position) const { return Send(CB_GETITEMDATA, static_cast<WPARAM>(position)); }
  void SetItemData(int position, LPARAM data) { Send(CB_SETITEMDATA, static_cast<WPARAM>(position), data); }
  void SetDroppedWidth(int width) { Send(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width)); }
  int GetDroppedWidth() const { return static_cast<int>(Send(CB_GETDROPPEDWIDTH)); }
};

class CListBox : public CWnd {
 public:
  using CWnd::CWnd;
  int AddString(const std::u16string& text);
  int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  int SetCurSel(int position) { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(position))); }
  std::u16string GetText(int position) const;
  void ResetContent() { Send(LB_RESETCONTENT); }
};

// A report-style list view.
class CListCtrl : public CWnd {
 public:
  using CWnd::CWnd;
  int InsertColumn(int column, const std::u16string& heading, int format, int width);
  // `width`, or more when the heading in the list's font needs more to be shown uncut.
  int WidthForHeading(const std::u16string& heading, int width) const;
  int InsertItem(int item, const std::u16string& text);
  bool SetItemText(int item, int subItem, const std::u16string& text);
  std::u16string GetItemText(int item, int subItem) const;
  int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  bool DeleteItem(int item) { return Send(LVM_DELETEITEM, static_cast<WPARAM>(item)) != 0; }
  bool DeleteAllItems() { return Send(LVM_DELETEALLITEMS) != 0; }
  // The next item after `start` (-1: from the top) with all of `flags` (LVNI_SELECTED...).
  int GetNextItem(int start, int flags) const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags));
  }
  void SetItemState(int item, UINT state, UINT mask);
  UINT GetItemState(int item, UINT mask) const {
    return static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
  }
  void SetExtendedStyle(DWORD style) { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)); }
  DWORD GetExtendedStyle() const { return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
  bool GetSubItemRect(int item, int subItem, int area, RECT* rect) const;
};

// An up-down control, usually buddied to an edit.
class CSpinButtonCtrl : public CWnd {
 public:
  using CWnd::CWnd;
  void SetRange(int lower, int upper) { Send(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
  int GetPos() const { return static_cast<int>(Send(UDM_GETPOS32)); }
  void SetPos(int position) { Send(UDM_SETPOS32, 0, position); }
};

}  // namespace vk
