#include "options_ui/table_size_dialog.h"

#include <commctrl.h>

#include "settings/registry.h"

namespace vk {

namespace {

void SetUpList(CEditableListCtrl& list, HWND dialog, int id, const char16_t* label, const char16_t* size) {
  list.SubclassDlgItem(id, dialog);
  list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  // The list view draws its first column left-aligned whatever it is asked, so it is asked for
  // that; both columns are at least as wide as their headings.
  list.InsertColumn(0, label, LVCFMT_LEFT, list.WidthForHeading(label, 50));
  list.InsertColumn(1, size, LVCFMT_CENTER, list.WidthForHeading(size, 80));
  // The labels follow from the positions; only the sizes are the user's.
  list.SetFirstEditableColumn(1);
}

}  // namespace

CTableSizeDialog::CTableSizeDialog(int32_t funcState)
    : CDialog(L"#" + std::to_wstring(IDD_TABLE_SIZES)), m_nFuncState(funcState) {}

BOOL CTableSizeDialog::OnInitDialog() {
  SetUpList(m_columnList, m_hWnd, IDC_SIZES_COLUMN_LIST, u"Column", u"Width");
  SetUpList(m_rowList, m_hWnd, IDC_SIZES_ROW_LIST, u"Row", u"Height");
  m_table.Load(SheetOptionKey(m_nFuncState));
  ShowList(SizeList::ColumnWidths);
  ShowList(SizeList::RowHeights);
  CenterWindow();  // over the sheet that owns it, not at its top-left corner
  return TRUE;
}

void CTableSizeDialog::ShowList(SizeList list) {
  std::vector<std::vector<std::u16string>> rows;
  const auto& sizes = m_table.Sizes(list);
  for (size_t n = 0; n < sizes.size(); ++n) rows.push_back({CSizeTable::Label(list, n + 1), sizes[n]});
  List(list).SetRows(rows);
}

void CTableSizeDialog::TakeCells() {
  for (SizeList list : {SizeList::ColumnWidths, SizeList::RowHeights}) m_table.SetSizes(list, List(list).ColumnTexts(1));
}

void CTableSizeDialog::Add(SizeList list) {
  TakeCells();
  if (m_table.Add(list, GetDlgItemText(IDC_SIZES_SIZE_TEXT))) ShowList(list);
}

void CTableSizeDialog::Remove(SizeList list) {
  TakeCells();
  if (m_table.Remove(list, List(list).SelectedRows())) ShowList(list);
}

bool CTableSizeDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  switch (LOWORD(wParam)) {
    case IDC_SIZES_ADD_COLUMN: Add(SizeList::ColumnWidths); break;
    case IDC_SIZES_REMOVE_COLUMN: Remove(SizeList::ColumnWidths); break;
    case IDC_SIZES_ADD_ROW: Add(SizeList::RowHeights); break;
    case IDC_SIZES_REMOVE_ROW: Remove(SizeList::RowHeights); break;
    default: return false;
  }
  *result = 0;
  return true;
}

void CTableSizeDialog::OnOK() {
  TakeCells();
  m_table.Store(SheetOptionKey(m_nFuncState));
  CDialog::OnOK();
}

}  // namespace vk
