#include "options_ui/colour_picker.h"

#include "automation/win32/win32_text.h"

namespace vk {

bool CColourPickerCB::SubclassDlgItem(int id, HWND dialog) {
  Attach(dialog, id);
  if (m_hWnd == nullptr) return false;
  ReplaceItems(DefaultColourTable());
  return true;
}

void CColourPickerCB::ReplaceItems(const std::vector<ColourEntry>& entries) {
  if (m_hWnd == nullptr) return;
  // One repaint for the whole refill rather than one per item.
  Send(WM_SETREDRAW, FALSE);
  ResetContent();
  for (const ColourEntry& entry : entries) AddItem(entry);
  Send(WM_SETREDRAW, TRUE);
  SetCurSel(0);
  InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CColourPickerCB::AddItem(const ColourEntry& entry) {
  const int position = AddString(entry.name);
  if (position >= 0) SetItemData(position, entry.colour);
  return position;
}

ColourEntry CColourPickerCB::GetItem(int position) const {
  return {GetLBText(position), static_cast<uint32_t>(GetItemData(position))};
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
    if (!::IsWindowEnabled(item.hwndItem)) {
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
