#pragma once
#include "options_ui/options_page.h"
#include "settings/object_page_model.h"

namespace vk {

// The Object & Font Map page: what kind of CAD objects the receiver builds and which Excel
// objects are imported. Its table type decides, through the sheet, the Layer & Color page's
// captions and the Other page's insertion point list.
class CObjectPage : public COptionsPage {
 public:
  CObjectPage();

  CObjectPageModel m_model;

  void RefreshAfterLoad() override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnApply() override;

 private:
  void FontRule();
  void TableTypeRule();
  // Clearing a box clears and disables its "White" companion.
  void CompanionRule(int bit, int whiteBit);
};

}  // namespace vk
