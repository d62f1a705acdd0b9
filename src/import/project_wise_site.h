#pragma once
#include <cstdint>
#include <string>

#include "automation/variant.h"
#include "import/project_wise_connector.h"

namespace vk {

// Choices of the ProjectWise confirmation dialog. Cancel and the close box leave the choice at
// its initial value, which releases the document without touching the server copy.
inline constexpr int32_t kPwChoiceCheckIn = 1009;
inline constexpr int32_t kPwChoiceUpdateServerCopy = 1010;
inline constexpr int32_t kPwChoiceFree = 1012;
inline constexpr int32_t kPwChoiceInitial = 1013;

// What the ProjectWise check needs from the platform besides Excel, the registry and the
// message boxes: the connector's interface on a COM object, and the confirmation dialog.
// The Windows site reaches the connector's method table over COM and shows the real dialog;
// tests install one that scripts the user's choice.
class ProjectWiseSite {
 public:
  virtual ~ProjectWiseSite() = default;

  // The connector interface of the object the connector's COM add-in publishes, or null when
  // the object does not offer it. This base asks the object itself, which is how the portable
  // stand-ins offer it; a failed query counts as "not offered".
  virtual ProjectWiseConnectorPtr OpenConnector(const ObjectPtr& addinObject);

  // Shows the confirmation dialog modally, without parent, with this document line, and
  // returns the choice it ends with.
  virtual int32_t ConfirmDocument(const std::u16string& documentLine) = 0;
};

}  // namespace vk
