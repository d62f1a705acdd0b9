#include "ui/win32/controls.h"

#include <algorithm>

#include "automation/win32/win32_text.h"

namespace vk {

std::u16string CWnd::GetWindowText() const {
  if (m_hWnd == nullptr) return {};
  const int length = GetWindowTextLengthW(m_hWnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(m_hWnd, text.data(), length + 1)));
  return FromWide(std::wstring_view(text));
}

void CWnd::SetWindowText(const std::u16string& text) {
  if (m_hWnd != nullptr) ::SetWindowTextW(m_hWnd, W(text));
}

void CWnd::EnableWindow(bool enable) {
  if (m_hWnd != nullptr) ::EnableWindow(m_hWnd, enable ? TRUE : FALSE);
}

void CWnd::ShowWindow(bool show) {
  if (m_hWnd != nullptr) ::ShowWindow(m_hWnd, show ? SW_SHOW : SW_HIDE);
}

LRESULT CWnd::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return m_hWnd ? SendMessageW(m_hWnd, message, wParam, lParam) : 0;
}

int CComboBox::AddString(const std::u16string& text) {
  return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(text))));
}

std::u16string CComboBox::GetLBText(int position) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(position));
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
  return FromWide(std::wstring_view(text));
}

int CListBox::AddString(const std::u16string& text) {
  return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(text))));
}

std::u16string CListBox::GetText(int position) const {
  const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(position));
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = Send(LB_GETTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return FromWide(std::wstring_view(text));
}

int CListCtrl::InsertColumn(int column, const std::u16string& heading, int format, int width) {
  std::wstring text = ToWide(heading);
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
  col.fmt = format;
  col.cx = width;
  col.pszText = text.data();
  col.iSubItem = column;
  return static_cast<int>(Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col)));
}

int CListCtrl::WidthForHeading(const std::u16string& heading, int width) const {
  const std::wstring text = ToWide(heading);
  const int textWidth = static_cast<int>(Send(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
  // The header draws its text between margins of three edge widths on either side.
  const int needed = textWidth + 6 * GetSystemMetrics(SM_CXEDGE) + 4;
  return std::max(width, needed);
}

int CListCtrl::InsertItem(int item, const std::u16string& text) {
  std::wstring wide = ToWide(text);
  LVITEMW lv{};
  lv.mask = LVIF_TEXT;
  lv.iItem = item;
  lv.pszText = wide.data();
  return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv)));
}

bool CListCtrl::SetItemText(int item, int subItem, const std::u16string& text) {
  std::wstring wide = ToWide(text);
  LVITEMW lv{};
  lv.iSubItem = subItem;
  lv.pszText = wide.data();
  return Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)) != 0;
}

std::u16string CListCtrl::GetItemText(int item, int subItem) const {
  // The control copies at most the buffer's size; grow until the text fits.
  for (size_t size = 256;; size *= 2) {
    std::wstring text(size, L'\0');
    LVITEMW lv{};
    lv.iSubItem = subItem;
    lv.pszText = text.data();
    lv.cchTextMax = static_cast<int>(size);
    const auto copied = static_cast<size_t>(Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
    if (copied + 1 < size || size >= (1u << 20)) {
      text.resize(copied < size ? copied : size - 1);
      return FromWide(std::wstring_view(text));
    }
  }
}

void CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEMW lv{};
  lv.stateMask = mask;
  lv.state = state;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
}

bool CListCtrl::GetSubItemRect(int item, int subItem, int area, RECT* rect) const {
  if (rect == nullptr) return false;
  rect->top = subItem;
  rect->left = area;
  return Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)) != 0;
}

}  // namespace vk
