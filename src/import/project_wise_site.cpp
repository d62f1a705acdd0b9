#include "import/project_wise_site.h"

#include "automation/automation_object.h"
#include "automation/com_error.h"

namespace vk {

ProjectWiseConnectorPtr ProjectWiseSite::OpenConnector(const ObjectPtr& addinObject) {
  if (!addinObject) return nullptr;
  ObjectPtr offered;
  try {
    offered = addinObject->QueryInterface(kIidProjectWiseConnector);
  } catch (const ComError&) {
    return nullptr;
  }
  return std::dynamic_pointer_cast<ProjectWiseConnector>(offered);
}

}  // namespace vk
