#pragma once
#include <cstdint>

#include "settings/scale_page_model.h"
#include "options_ui/options_page.h"
#include "resource_ids/scale_page_ids.h"

namespace vk {

// The Scale page: how the receiver sizes cells and text, by scale presets or custom numbers,
// and the two size dialogs for explicit column widths, row heights and text heights.
class CScalePage : public COptionsPage {
 public:
  CScalePage();

  CScalePageModel m_model;

  // After a file was loaded into m_model: show it and run the two rules.
  void RefreshAfterLoad() override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnApply() override;

 private:
  // Shows the fields without their number texts counting as the user's edits.
  void ShowFields();
  void CellRule();
  void TextHeightRule();
  void ChoosePreset(int listId);
  void NumberEdited(int listId);

  bool m_bShowing = false;
};

}  // namespace vk
