#include "automation/automation_object.h"

#include "automation/com_error.h"

namespace vk {

std::u16string AutomationObject::TypeInfoName() { throw ComError(kENotImpl); }

}  // namespace vk
