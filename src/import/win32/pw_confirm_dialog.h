#pragma once
#include <cstdint>
#include <string>

#include "import/project_wise_site.h"
#include "resource_ids/pw_confirm_dialog_ids.h"
#include "ui/win32/dialog.h"

namespace vk {

// Asks what becomes of a checked-out ProjectWise document whose workbook is about to be
// imported: Check In (the default button), Update Server Copy or Free each set their choice and
// end the dialog; Cancel and the close box end it leaving the choice as it was.
class CVellumarkPWConfirmDialog final : public CDialog {
 public:
  CVellumarkPWConfirmDialog() : CDialog(L"#" + std::to_wstring(IDD_PW_CONFIRM)) {}

  std::u16string m_strDocument;         // shown in the document line
  int32_t m_nChoice = kPwChoiceInitial;  // what the user chose

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnOK() override;

 private:
  void Choose(int32_t choice);
};

}  // namespace vk
