#include "options_ui/font_sizes_dialog.h"

#include <commctrl.h>

#include "settings/registry.h"
#include "automation/win32/win32_text.h"

namespace vk {

std::vector<std::u16string> FontSizeChoices() {
  std::vector<std::u16string> sizes;
  for (int size = 8; size <= 72;) {
    const std::string text = std::to_string(size);
    sizes.emplace_back(text.begin(), text.end());
    size += size < 12 ? 1 : size < 28 ? 2 : size < 36 ? 8 : size < 48 ? 12 : 24;
  }
  return sizes;
}

CFontSizesDialog::CFontSizesDialog(int32_t funcState)
    : CDialog(L"#" + std::to_wstring(IDD_FONT_SIZES)), m_nFuncState(funcState) {}

BOOL CFontSizesDialog::OnInitDialog() {
  CComboBox sizes(m_hWnd, IDC_FONTMAP_SIZE_LIST);
  for (const std::u16string& size : FontSizeChoices()) sizes.AddString(size);

  m_list.SubclassDlgItem(IDC_FONTMAP_LIST, m_hWnd);
  m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  // The list view draws its first column left-aligned whatever it is asked, so it is asked for
  // that; every column is at least as wide as its heading.
  m_list.InsertColumn(0, u"Excel Points", LVCFMT_LEFT, m_list.WidthForHeading(u"Excel Points", 80));
  m_list.InsertColumn(1, u"Height", LVCFMT_CENTER, m_list.WidthForHeading(u"Height", 80));
  m_list.InsertColumn(2, u"Width", LVCFMT_CENTER, m_list.WidthForHeading(u"Width", 80));
  // The points decide the order of the map; only height and width are edited in place.
  m_list.SetFirstEditableColumn(1);

  m_map.Load(SheetOptionKey(m_nFuncState));
  ShowMap();
  CenterWindow();  // over the sheet that owns it, not at its top-left corner
  return TRUE;
}

void CFontSizesDialog::ShowMap() {
  std::vector<std::vector<std::u16string>> rows;
  for (const FontSizeEntry& entry : m_map.Entries()) rows.push_back({entry.points, entry.height, entry.width});
  m_list.SetRows(rows);
}

void CFontSizesDialog::TakeCells() {
  const auto points = m_list.ColumnTexts(0), heights = m_list.ColumnTexts(1), widths = m_list.ColumnTexts(2);
  std::vector<FontSizeEntry> entries;
  for (size_t n = 0; n < points.size(); ++n) entries.push_back({points[n], heights[n], widths[n]});
  m_map.SetEntries(std::move(entries));
}

void CFontSizesDialog::Add() {
  TakeCells();
  const auto result = m_map.Add(GetDlgItemText(IDC_FONTMAP_SIZE_LIST), GetDlgItemText(IDC_FONTMAP_TEXT_HEIGHT),
                                GetDlgItemText(IDC_FONTMAP_TEXT_WIDTH));
  if (result == CFontSizeMap::AddResult::Inserted || result == CFontSizeMap::AddResult::Replaced) ShowMap();
}

void CFontSizesDialog::Remove() {
  TakeCells();
  if (m_map.Remove(m_list.SelectedRows())) ShowMap();
}

bool CFontSizesDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  switch (LOWORD(wParam)) {
    case IDC_FONTMAP_ADD: Add(); break;
    case IDC_FONTMAP_REMOVE: Remove(); break;
    default: return false;
  }
  *result = 0;
  return true;
}

void CFontSizesDialog::OnOK() {
  TakeCells();
  m_map.Store(SheetOptionKey(m_nFuncState));
  CDialog::OnOK();
}

}  // namespace vk
