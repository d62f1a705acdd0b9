#pragma once
#include "link/link_channel.h"
#include "ui/win32/dialog.h"

namespace vk {

inline constexpr wchar_t kLinkDialogTemplate[] = L"IDD_1BB651A6_7851_4B35_88D0_5E157812D3A4";

// The link dialog: a hidden window titled "EE31D9CE-5075-4dd4-B3B9-431D727FADD0" through which
// records go to the CAD-side receiver, and through which the CAD side asks for an import.
class CSignalDialog final : public CDialog, public LinkChannel {
 public:
  explicit CSignalDialog(ImportRequestHandler* owner);
  ~CSignalDialog() override;

  bool FindReceiver() override;
  void StartTable(int rows, int columns) override;
  bool SendRecord(const void* record, int size) override;
  void EndLink(int reason) override;

  HWND m_hReceiver = nullptr;      // the receiver window found last
  ImportRequestHandler* m_pOwner = nullptr;  // runs the imports the CAD side asks for; not owned

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  LRESULT OnLinkImport(WPARAM wParam, LPARAM lParam);
};

}  // namespace vk
