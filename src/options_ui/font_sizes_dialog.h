#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "options_ui/editable_list_ctrl.h"
#include "resource_ids/font_sizes_dialog_ids.h"
#include "settings/font_size_map.h"
#include "ui/win32/dialog.h"

namespace vk {

// The Excel font sizes offered in the size list: from 8 in steps of 1 up to 12, of 2 up to 28,
// then 36, 48 and 72.
std::vector<std::u16string> FontSizeChoices();

// The font size map dialog that the Scale page opens: Add and Remove through the map's rules,
// height and width editable in place. OK stores the map under the option key of the FuncState
// it was given.
class CFontSizesDialog : public CDialog {
 public:
  explicit CFontSizesDialog(int32_t funcState);

  CFontSizeMap m_map;

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnOK() override;

 private:
  void TakeCells();
  void ShowMap();
  void Add();
  void Remove();

  int32_t m_nFuncState;
  CEditableListCtrl m_list;
};

}  // namespace vk
