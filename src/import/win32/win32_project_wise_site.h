#pragma once
#include "import/project_wise_site.h"

namespace vk {

// The ProjectWise check's platform on Windows: the connector's method table reached over COM on
// the object Excel's COM add-in entry publishes, and the real confirmation dialog.
class CWin32ProjectWiseSite final : public ProjectWiseSite {
 public:
  ProjectWiseConnectorPtr OpenConnector(const ObjectPtr& addinObject) override;
  int32_t ConfirmDocument(const std::u16string& documentLine) override;
};

}  // namespace vk
