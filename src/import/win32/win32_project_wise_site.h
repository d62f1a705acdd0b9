#pragma once
#include <windows.h>

#include "import/project_wise_site.h"

namespace vk {

// The ProjectWise check's platform on Windows: the connector's method table reached over COM on
// the object Excel's COM add-in entry publishes, and the real confirmation dialog.
class CWin32ProjectWiseSite final : public ProjectWiseSite {
 public:
  // owner: Excel's main window (Application.Hwnd), or null when Excel did not give it. The
  // dialog is owned by it and centred over it, never a child of another window.
  explicit CWin32ProjectWiseSite(HWND owner = nullptr) : m_owner(owner) {}

  ProjectWiseConnectorPtr OpenConnector(const ObjectPtr& addinObject) override;
  int32_t ConfirmDocument(const std::u16string& documentLine) override;

 private:
  HWND m_owner;
};

}  // namespace vk
