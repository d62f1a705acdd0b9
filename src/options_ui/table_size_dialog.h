#pragma once
#include <cstdint>

#include "options_ui/editable_list_ctrl.h"
#include "resource_ids/table_size_dialog_ids.h"
#include "settings/size_table.h"
#include "ui/win32/dialog.h"

namespace vk {

// The column widths and row heights dialog that the Scale page opens: one size text for both
// lists, "+" and "-" for each, sizes editable in place. OK stores both lists under the option key
// of the FuncState it was given.
class CTableSizeDialog : public CDialog {
 public:
  explicit CTableSizeDialog(int32_t funcState);

  // The lists as the dialog holds them (the cells, once the window exists).
  CSizeTable m_table;

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnOK() override;

 private:
  CEditableListCtrl& List(SizeList list) { return list == SizeList::ColumnWidths ? m_columnList : m_rowList; }
  // The cells may have been edited in place: they are what counts.
  void TakeCells();
  void ShowList(SizeList list);
  void Add(SizeList list);
  void Remove(SizeList list);

  int32_t m_nFuncState;
  CEditableListCtrl m_columnList;
  CEditableListCtrl m_rowList;
};

}  // namespace vk
