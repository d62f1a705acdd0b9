#include "options_ui/colour_picker.h"

#include "ui/win32/win32_text.h"

namespace vk {

bool CColourPickerCB::Attach(HWND dialog, int id) {
  m_hWnd = dialog ? ::GetDlgItem(dialog, id) : nullptr;
  if (m_hWnd == nullptr) return false;
  ReplaceItems(DefaultColourTable());
  return true;
}

void CColourPickerCB::ReplaceItems(const std::vector<ColourEntry>& entries) {
  if (m_hWnd == nullptr) return;
  // One repaint for the whole refill rather than one per item.
  SendMessageW(m_hWnd, WM_SETREDRAW, FALSE, 0);
  SendMessageW(m_hWnd, CB_RESETCONTENT, 0, 0);
  for (const ColourEntry& entry : entries) AddItem(entry);
  SendMessageW(m_hWnd, WM_SETREDRAW, TRUE, 0);
  SetCurSel(0);
  InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CColourPickerCB::AddItem(const ColourEntry& entry) {
  const auto position = static_cast<int>(SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(entry.name))));
  if (position >= 0) SendMessageW(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(position), entry.colour);
  return position;
}

int CColourPickerCB::GetCount() const { return static_cast<int>(SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0)); }

int CColourPickerCB::GetCurSel() const { return static_cast<int>(SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)); }

void CColourPickerCB::SetCurSel(int position) { SendMessageW(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(position), 0); }

ColourEntry CColourPickerCB::GetItem(int position) const {
  ColourEntry entry;
  const auto length = SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
  if (length < 0) return entry;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
  entry.name = FromWide(text.c_str());
  entry.colour = static_cast<uint32_t>(SendMessageW(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(position), 0));
  return entry;
}

bool CColourPickerCB::ReflectDrawItem(LPARAM lParam) const {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item == nullptr || m_hWnd == nullptr || item->hwndItem != m_hWnd || item->CtlType != ODT_COMBOBOX) return false;
  DrawItem(*item);
  return true;
}

void CColourPickerCB::DrawItem(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  const RECT& rc = item.rcItem;
  const int savedDc = SaveDC(dc);

  COLORREF text;
  if (item.itemState & ODS_SELECTED) {
    FillRect(dc, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
    text = ~GetSysColor(COLOR_WINDOWTEXT) & 0x00FFFFFF;
  } else {
    FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
    text = GetSysColor(COLOR_WINDOWTEXT);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);

  if (item.itemID != static_cast<UINT>(-1)) {
    // The swatch's right edge is the item height less 2 as an absolute x: a square when the
    // item starts at x 0, as it does in the list and in the box itself.
    const int h = (rc.bottom - rc.top) - 2;
    const RECT swatch{rc.left + 2, rc.top + 2, h, rc.bottom - 2};
    COLORREF colour = static_cast<COLORREF>(item.itemData) & 0x00FFFFFF;
    if (!IsWindowEnabled(item.hwndItem)) {
      colour = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
      text = colour;
    }

    const ColourEntry entry = GetItem(static_cast<int>(item.itemID));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    const std::wstring name = ToWide(entry.name);
    TextOutW(dc, rc.left + h + 2, rc.top + 2, name.c_str(), static_cast<int>(name.size()));

    HBRUSH fill = CreateSolidBrush(colour);
    FillRect(dc, &swatch, fill);
    DeleteObject(fill);
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  RestoreDC(dc, savedDc);
}

}  // namespace vk
