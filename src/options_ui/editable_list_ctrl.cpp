#include "options_ui/editable_list_ctrl.h"

#include <commctrl.h>

#include <vector>

#include "automation/win32/win32_text.h"

namespace vk {

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

// ---------------------------------------------------------------- CListCtrlSubEdit

CListCtrlSubEdit::~CListCtrlSubEdit() { DestroyWindow(); }

bool CListCtrlSubEdit::Create(CEditableListCtrl* list) {
  m_pList = list;
  HWND parent = list->GetSafeHwnd();
  m_hWnd = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListSubEditId)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (m_hWnd == nullptr) return false;
  SetWindowSubclass(m_hWnd, &CListCtrlSubEdit::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(m_hWnd, WM_SETFONT, static_cast<WPARAM>(SendMessageW(parent, WM_GETFONT, 0, 0)), FALSE);
  return true;
}

void CListCtrlSubEdit::DestroyWindow() {
  if (m_hWnd == nullptr) return;
  HWND window = m_hWnd;
  RemoveWindowSubclass(window, &CListCtrlSubEdit::SubclassProc, kSubclassId);
  m_hWnd = nullptr;
  ::DestroyWindow(window);
}

LRESULT CALLBACK CListCtrlSubEdit::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                DWORD_PTR data) {
  auto* self = reinterpret_cast<CListCtrlSubEdit*>(data);
  HWND list = self->m_pList ? self->m_pList->GetSafeHwnd() : nullptr;
  switch (message) {
    case WM_GETDLGCODE:
      // Without this a dialog's message loop would turn Enter and Escape into OK and Cancel of
      // the dialog before the box sees them.
      return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        self->m_nEndKey = VK_RETURN;
        SendMessageW(list, kListEditAccept, static_cast<WPARAM>(self->m_nRow), self->m_nColumn);
        return 0;
      }
      if (wParam == VK_ESCAPE) {
        self->m_nEndKey = VK_ESCAPE;
        SendMessageW(list, kListEditAbandon, 0, 0);
        return 0;
      }
      break;
    case WM_CHAR:
      // The characters of Enter and Escape would only make the box beep.
      if (wParam == L'\r' || wParam == 0x1B) return 0;
      break;
    case WM_SETFOCUS:
      self->m_nEndKey = 0;
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      ::ShowWindow(window, SW_HIDE);
      // Leaving the box any other way than by Enter or Escape keeps what was typed.
      if (self->m_nEndKey == 0) SendMessageW(list, kListEditAccept, static_cast<WPARAM>(self->m_nRow), self->m_nColumn);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &CListCtrlSubEdit::SubclassProc, kSubclassId);
      self->m_hWnd = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// ---------------------------------------------------------------- CEditableListCtrl

CEditableListCtrl::~CEditableListCtrl() {
  // The page or dialog may outlive this object's window or the other way round; either way the
  // window must stop calling into this object.
  m_edit.DestroyWindow();
  Detach();
}

void CEditableListCtrl::Detach() {
  if (m_hWnd == nullptr) return;
  RemoveWindowSubclass(m_hWnd, &CEditableListCtrl::SubclassProc, kSubclassId);
  m_hWnd = nullptr;
}

bool CEditableListCtrl::SubclassDlgItem(int id, HWND dialog) {
  Detach();
  HWND list = dialog ? ::GetDlgItem(dialog, id) : nullptr;
  if (list == nullptr) return false;
  if (!SetWindowSubclass(list, &CEditableListCtrl::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  m_hWnd = list;
  return true;
}

bool CEditableListCtrl::BeginEdit(POINT point) {
  if (m_hWnd == nullptr) return false;
  LVHITTESTINFO hit{};
  hit.pt = point;
  if (SendMessageW(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 || hit.iItem < 0) return false;
  if ((hit.flags & LVHT_ONITEMLABEL) == 0) return false;
  m_edit.m_nRow = hit.iItem;
  m_edit.m_nColumn = hit.iSubItem;
  if (hit.iSubItem < m_nFirstEditableColumn) return false;

  RECT cell{};
  if (!GetSubItemRect(hit.iItem, hit.iSubItem, LVIR_LABEL, &cell)) return false;
  if (m_edit.GetSafeHwnd() == nullptr && !m_edit.Create(this)) return false;

  HWND edit = m_edit.GetSafeHwnd();
  m_edit.SetWindowText(GetItemText(hit.iItem, hit.iSubItem));
  MoveWindow(edit, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, TRUE);
  ::ShowWindow(edit, SW_SHOW);
  SetFocus(edit);
  m_edit.SetSel(0, -1);
  SendMessageW(GetParent(m_hWnd), kListEditBegin, static_cast<WPARAM>(hit.iItem), hit.iSubItem);
  return true;
}

void CEditableListCtrl::SetRows(const std::vector<std::vector<std::u16string>>& rows) {
  DeleteAllItems();
  for (size_t r = 0; r < rows.size(); ++r) {
    const int row = InsertItem(static_cast<int>(r), rows[r].empty() ? std::u16string() : rows[r][0]);
    for (size_t c = 1; c < rows[r].size(); ++c) SetItemText(row, static_cast<int>(c), rows[r][c]);
  }
}

std::vector<std::u16string> CEditableListCtrl::ColumnTexts(int column) const {
  std::vector<std::u16string> texts;
  for (int row = 0, count = GetItemCount(); row < count; ++row) texts.push_back(GetItemText(row, column));
  return texts;
}

std::vector<size_t> CEditableListCtrl::SelectedRows() const {
  std::vector<size_t> rows;
  for (int row = -1; (row = GetNextItem(row, LVNI_SELECTED)) >= 0;) rows.push_back(static_cast<size_t>(row));
  return rows;
}

void CEditableListCtrl::EndEdit() {
  HWND edit = m_edit.GetSafeHwnd();
  if (edit == nullptr) return;
  MoveWindow(edit, 0, 0, 0, 0, FALSE);
  ::ShowWindow(edit, SW_HIDE);
  // After Enter or Escape the focus comes back to the list. An edit that ended because the user
  // clicked elsewhere leaves the focus there: taking it back would swallow that click (a button
  // loses its pressed state with the focus).
  if (m_edit.m_nEndKey != 0) SetFocus(m_hWnd);
}

LRESULT CALLBACK CEditableListCtrl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR data) {
  auto* self = reinterpret_cast<CEditableListCtrl*>(data);
  switch (message) {
    case WM_LBUTTONDBLCLK: {
      // The list does its own double-click first (selection, its notifications to the parent).
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      self->BeginEdit(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return result;
    }
    case kListEditAccept: {
      self->SetItemText(static_cast<int>(wParam), static_cast<int>(lParam), self->m_edit.GetWindowText());
      self->EndEdit();
      SendMessageW(GetParent(window), kListEditAccept, wParam, lParam);
      return 0;
    }
    case kListEditAbandon:
      self->EndEdit();
      SendMessageW(GetParent(window), kListEditAbandon, wParam, lParam);
      return 0;
    case WM_DESTROY:
      self->m_edit.DestroyWindow();
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &CEditableListCtrl::SubclassProc, kSubclassId);
      self->m_hWnd = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace vk
