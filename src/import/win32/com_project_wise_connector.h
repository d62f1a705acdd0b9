#pragma once
#include <windows.h>

#include "automation/win32/com_ptr.h"
#include "import/project_wise_connector.h"
#include "import/win32/vellumark_pw_connect.h"

namespace vk {

// The connector reached over COM through its method table; a failing HRESULT becomes ComError
// with the system's text for it.
class CComProjectWiseConnector final : public ProjectWiseConnector {
 public:
  // Asks the object for the connector's interface; null when it does not offer it.
  static ProjectWiseConnectorPtr Open(IUnknown* object);

  explicit CComProjectWiseConnector(IVellumarkPWConnect* connector) : connector_(connector) {}

  int32_t QueryDocument(std::u16string& document) override;
  void ReleaseDocument(const std::u16string& document, int32_t mode) override;
  void SetTablePath(const std::u16string& path) override;

 private:
  ComPtr<IVellumarkPWConnect> connector_;
};

}  // namespace vk
