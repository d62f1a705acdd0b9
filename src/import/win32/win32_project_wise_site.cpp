#include "import/win32/win32_project_wise_site.h"

#include "automation/win32/dispatch_object.h"
#include "import/win32/com_project_wise_connector.h"
#include "import/win32/pw_confirm_dialog.h"

namespace vk {

ProjectWiseConnectorPtr CWin32ProjectWiseSite::OpenConnector(const ObjectPtr& addinObject) {
  // Objects that came over COM are asked through their own QueryInterface; anything else (an
  // object living in this process) answers for itself.
  if (IDispatch* raw = DispatchObject::RawDispatch(addinObject)) return CComProjectWiseConnector::Open(raw);
  return ProjectWiseSite::OpenConnector(addinObject);
}

int32_t CWin32ProjectWiseSite::ConfirmDocument(const std::u16string& documentLine) {
  CVellumarkPWConfirmDialog dialog;
  dialog.m_strDocument = documentLine;
  // A dialog that cannot be made ends like Cancel: the choice stays at its initial value.
  dialog.DoModal(IsWindow(m_owner) ? m_owner : nullptr);
  return dialog.m_nChoice;
}

}  // namespace vk
