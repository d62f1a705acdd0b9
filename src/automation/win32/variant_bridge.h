#pragma once
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include "automation/variant.h"

namespace vk {

// Converts between Variant and the platform's VARIANT. Arrays travel as SAFEARRAYs of VARIANT
// (lower bound 1, first index fastest); objects as IDispatch. How an object crosses is
// overridable: the product wraps every IDispatch in a DispatchObject, a test server serves its
// own objects instead.
class VariantBridge {
 public:
  virtual ~VariantBridge() = default;

  // The bridge the product uses.
  static const VariantBridge& Default();

  // Any VARIANT, VT_BYREF included. ComError DISP_E_BADVARTYPE for a type Variant cannot hold.
  Variant ToVariant(const VARIANT& value) const;
  // Fills *out, which must be empty or cleared; the caller clears it afterwards.
  void ToPlatform(const Variant& value, VARIANT* out) const;

 protected:
  // A non-null IDispatch as a late-bound object.
  virtual ObjectPtr ImportObject(IDispatch* dispatch) const;
  // A new reference to an IDispatch for the object; ComError when it cannot cross.
  virtual IDispatch* ExportObject(const ObjectPtr& object) const;

 private:
  Variant FromSafeArray(SAFEARRAY* array) const;
  SAFEARRAY* ToSafeArray(const Variant& value) const;
};

}  // namespace vk
