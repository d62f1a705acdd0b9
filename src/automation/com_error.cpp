#include "automation/com_error.h"

#include <cstdio>
#include <utility>

namespace vk {

ComError::ComError(int32_t hr, std::u16string message)
    : hr_(hr), message_(message.empty() ? SystemMessage(hr) : std::move(message)) {}

std::u16string ComError::SystemMessage(int32_t hr) {
  // Windows' own English wording (FormatMessage, trailing line break removed), so that a
  // stand-in's failure reads exactly as the real one would.
  struct Text {
    int32_t hr;
    const char16_t* text;
  };
  static constexpr Text kTexts[] = {
      {kSOk, u"The operation completed successfully."},
      {kSFalse, u"Incorrect function."},
      {kENotImpl, u"Not implemented"},
      {kENoInterface, u"No such interface supported"},
      {kEPointer, u"Invalid pointer"},
      {kEFail, u"Unspecified error"},
      {kEOutOfMemory, u"Not enough memory resources are available to complete this operation."},
      {kEInvalidArg, u"The parameter is incorrect."},
      {kDispEUnknownName, u"Unknown name."},
      {kDispEException, u"Exception occurred."},
      {kDispEOverflow, u"Out of present range."},
      {kDispETypeMismatch, u"Type mismatch."},
      {kDispEParamNotFound, u"Parameter not found."},
      {kDispEBadParamCount, u"Invalid number of parameters."},
      {kDispEMemberNotFound, u"Member not found."},
  };
  for (const Text& t : kTexts) {
    if (t.hr == hr) return t.text;
  }
  char fallback[32];
  std::snprintf(fallback, sizeof fallback, "Unknown error 0x%08X", static_cast<unsigned>(hr));
  return std::u16string(fallback, fallback + 24);
}

}  // namespace vk
