#pragma once
#include "automation/com_error.h"
#include "automation/variant.h"

namespace vk {

// Whether Excel answered a property with a value. Empty, Null (a font property that differs
// between characters, or one a format condition leaves unset), an error value and a bare
// interface pointer all say "no value".
inline bool IsDefined(const Variant& value) noexcept {
  switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null:
    case VarType::Error:
    case VarType::Unknown:
      return false;
    default:
      return true;
  }
}

// The reading steps of a cell swallow their own failures, but not Excel's busy refusal: it
// always ends the import silently, and every later call would be refused as well.
inline void RethrowIfExcelBusy(const ComError& error) {
  if (error.Error() == kExcelBusy) throw error;
}

}  // namespace vk
