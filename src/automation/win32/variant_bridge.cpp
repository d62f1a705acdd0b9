#include "automation/win32/variant_bridge.h"

#include <vector>

#include "automation/com_error.h"
#include "automation/win32/com_ptr.h"
#include "automation/win32/dispatch_object.h"
#include "automation/win32/win32_text.h"

namespace vk {
namespace {

[[noreturn]] void Fail(HRESULT hr) { throw ComError(hr, SystemErrorText(hr)); }

void Check(HRESULT hr) {
  if (FAILED(hr)) Fail(hr);
}

// Clears a VARIANT on every path out of a scope.
struct ScopedVariant {
  VARIANT v;
  ScopedVariant() { VariantInit(&v); }
  ~ScopedVariant() { VariantClear(&v); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
};

// Walks every index of an array with the first index varying fastest.
bool NextIndex(std::vector<LONG>& index, const std::vector<LONG>& lower, const std::vector<uint32_t>& dims) {
  for (size_t d = 0; d < index.size(); ++d) {
    if (++index[d] < lower[d] + static_cast<LONG>(dims[d])) return true;
    index[d] = lower[d];
  }
  return false;
}

}  // namespace

const VariantBridge& VariantBridge::Default() {
  static const VariantBridge bridge;
  return bridge;
}

ObjectPtr VariantBridge::ImportObject(IDispatch* dispatch) const { return DispatchObject::Wrap(dispatch); }

IDispatch* VariantBridge::ExportObject(const ObjectPtr& object) const {
  IDispatch* raw = DispatchObject::RawDispatch(object);
  // Only objects that came from the platform can go back to it.
  if (raw == nullptr) Fail(DISP_E_TYPEMISMATCH);
  raw->AddRef();
  return raw;
}

Variant VariantBridge::ToVariant(const VARIANT& value) const {
  if (V_VT(&value) & VT_BYREF) {
    ScopedVariant direct;
    Check(VariantCopyInd(&direct.v, const_cast<VARIANT*>(&value)));
    return ToVariant(direct.v);
  }
  if (V_VT(&value) & VT_ARRAY) return FromSafeArray(V_ARRAY(&value));
  switch (V_VT(&value)) {
    case VT_EMPTY: return Variant();
    case VT_NULL: return Variant::Null();
    case VT_I2: return Variant::I2(V_I2(&value));
    case VT_I4: return Variant::I4(V_I4(&value));
    case VT_I8: return Variant::I8(V_I8(&value));
    case VT_R4: return Variant::R4(V_R4(&value));
    case VT_R8: return Variant::R8(V_R8(&value));
    case VT_CY: return Variant::Currency(V_CY(&value).int64);
    case VT_DATE: return Variant::Date(V_DATE(&value));
    case VT_ERROR: return Variant::Error(V_ERROR(&value));
    case VT_BOOL: return Variant::Bool(V_BOOL(&value) != VARIANT_FALSE);
    case VT_I1: return Variant::Integer(VarType::I1, V_I1(&value));
    case VT_UI1: return Variant::Integer(VarType::UI1, V_UI1(&value));
    case VT_UI2: return Variant::Integer(VarType::UI2, V_UI2(&value));
    case VT_UI4: return Variant::Integer(VarType::UI4, V_UI4(&value));
    case VT_UI8: return Variant::Integer(VarType::UI8, static_cast<int64_t>(V_UI8(&value)));
    case VT_INT: return Variant::Integer(VarType::Int, V_INT(&value));
    case VT_UINT: return Variant::Integer(VarType::UInt, V_UINT(&value));
    case VT_BSTR: {
      BSTR text = V_BSTR(&value);
      // SysStringLen keeps embedded nulls; a null BSTR is the empty string.
      return Variant::String(text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
                                  : std::u16string());
    }
    case VT_DISPATCH:
      return Variant::Object(V_DISPATCH(&value) ? ImportObject(V_DISPATCH(&value)) : nullptr);
    case VT_UNKNOWN: {
      // Only what can be called late-bound is of use; a bare IUnknown arrives as Nothing of
      // type VT_UNKNOWN, which callers treat as "not a value" anyway.
      ComPtr<IDispatch> dispatch;
      if (V_UNKNOWN(&value) &&
          SUCCEEDED(V_UNKNOWN(&value)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Out()))))
        return Variant::Unknown(ImportObject(dispatch.Get()));
      return Variant::Unknown(nullptr);
    }
    case VT_DECIMAL: {
      // Variant has no DECIMAL; the nearest double keeps the value usable.
      ScopedVariant real;
      Check(VariantChangeType(&real.v, const_cast<VARIANT*>(&value), 0, VT_R8));
      return Variant::R8(V_R8(&real.v));
    }
    default:
      Fail(DISP_E_BADVARTYPE);
  }
}

Variant VariantBridge::FromSafeArray(SAFEARRAY* array) const {
  if (array == nullptr) Fail(E_POINTER);
  UINT count = SafeArrayGetDim(array);
  if (count == 0) Fail(DISP_E_BADVARTYPE);
  VARTYPE elementType = VT_EMPTY;
  Check(SafeArrayGetVartype(array, &elementType));
  std::vector<uint32_t> dims(count);
  std::vector<LONG> lower(count);
  size_t total = 1;
  for (UINT d = 0; d < count; ++d) {
    LONG lo = 0, hi = 0;
    Check(SafeArrayGetLBound(array, d + 1, &lo));
    Check(SafeArrayGetUBound(array, d + 1, &hi));
    lower[d] = lo;
    dims[d] = hi >= lo ? static_cast<uint32_t>(hi - lo + 1) : 0;
    total *= dims[d];
  }
  std::vector<Variant> elements;
  elements.reserve(total);
  std::vector<LONG> index = lower;
  if (total != 0) {
    do {
      ScopedVariant element;
      if (elementType == VT_VARIANT) {
        Check(SafeArrayGetElement(array, index.data(), &element.v));
      } else if (elementType == VT_DECIMAL) {
        Check(SafeArrayGetElement(array, index.data(), &V_DECIMAL(&element.v)));
        V_VT(&element.v) = VT_DECIMAL;
      } else {
        // A typed array's element lands in the VARIANT's payload, which every type shares.
        Check(SafeArrayGetElement(array, index.data(), &V_UI8(&element.v)));
        V_VT(&element.v) = elementType;
      }
      elements.push_back(ToVariant(element.v));
    } while (NextIndex(index, lower, dims));
  }
  return Variant::Array(std::move(dims), std::move(elements));
}

void VariantBridge::ToPlatform(const Variant& value, VARIANT* out) const {
  VariantInit(out);
  switch (value.Type()) {
    case VarType::Empty: return;
    case VarType::Null: V_VT(out) = VT_NULL; return;
    case VarType::I2: V_VT(out) = VT_I2; V_I2(out) = static_cast<SHORT>(value.IntegerValue()); return;
    case VarType::I4: V_VT(out) = VT_I4; V_I4(out) = static_cast<LONG>(value.IntegerValue()); return;
    case VarType::I8: V_VT(out) = VT_I8; V_I8(out) = value.IntegerValue(); return;
    case VarType::I1: V_VT(out) = VT_I1; V_I1(out) = static_cast<CHAR>(value.IntegerValue()); return;
    case VarType::UI1: V_VT(out) = VT_UI1; V_UI1(out) = static_cast<BYTE>(value.IntegerValue()); return;
    case VarType::UI2: V_VT(out) = VT_UI2; V_UI2(out) = static_cast<USHORT>(value.IntegerValue()); return;
    case VarType::UI4: V_VT(out) = VT_UI4; V_UI4(out) = static_cast<ULONG>(value.IntegerValue()); return;
    case VarType::UI8: V_VT(out) = VT_UI8; V_UI8(out) = static_cast<ULONGLONG>(value.IntegerValue()); return;
    case VarType::Int: V_VT(out) = VT_INT; V_INT(out) = static_cast<INT>(value.IntegerValue()); return;
    case VarType::UInt: V_VT(out) = VT_UINT; V_UINT(out) = static_cast<UINT>(value.IntegerValue()); return;
    case VarType::R4: V_VT(out) = VT_R4; V_R4(out) = static_cast<FLOAT>(value.DoubleValue()); return;
    case VarType::R8: V_VT(out) = VT_R8; V_R8(out) = value.DoubleValue(); return;
    case VarType::Date: V_VT(out) = VT_DATE; V_DATE(out) = value.DoubleValue(); return;
    case VarType::Cy: V_VT(out) = VT_CY; V_CY(out).int64 = value.IntegerValue(); return;
    case VarType::Error: V_VT(out) = VT_ERROR; V_ERROR(out) = static_cast<SCODE>(value.IntegerValue()); return;
    case VarType::Bool: V_VT(out) = VT_BOOL; V_BOOL(out) = value.BoolValue() ? VARIANT_TRUE : VARIANT_FALSE; return;
    case VarType::Bstr: {
      const std::u16string& text = value.StringValue();
      BSTR copy = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
      if (copy == nullptr) Fail(E_OUTOFMEMORY);
      V_VT(out) = VT_BSTR;
      V_BSTR(out) = copy;
      return;
    }
    case VarType::Dispatch:
    case VarType::Unknown: {
      IDispatch* dispatch = value.ObjectValue() ? ExportObject(value.ObjectValue()) : nullptr;
      if (value.Type() == VarType::Dispatch) {
        V_VT(out) = VT_DISPATCH;
        V_DISPATCH(out) = dispatch;
      } else {
        V_VT(out) = VT_UNKNOWN;
        V_UNKNOWN(out) = dispatch;
      }
      return;
    }
    case VarType::Array:
      V_ARRAY(out) = ToSafeArray(value);
      V_VT(out) = VT_ARRAY | VT_VARIANT;
      return;
    default:
      Fail(DISP_E_BADVARTYPE);
  }
}

SAFEARRAY* VariantBridge::ToSafeArray(const Variant& value) const {
  const std::vector<uint32_t>& dims = value.ArrayDims();
  std::vector<SAFEARRAYBOUND> bounds(dims.size());
  for (size_t d = 0; d < dims.size(); ++d) bounds[d] = {dims[d], 1};
  SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, static_cast<UINT>(dims.size()), bounds.data());
  if (array == nullptr) Fail(E_OUTOFMEMORY);
  try {
    std::vector<LONG> lower(dims.size(), 1), index = lower;
    for (const Variant& element : value.ArrayElements()) {
      ScopedVariant item;
      ToPlatform(element, &item.v);
      Check(SafeArrayPutElement(array, index.data(), &item.v));
      NextIndex(index, lower, dims);
    }
  } catch (...) {
    SafeArrayDestroy(array);
    throw;
  }
  return array;
}

}  // namespace vk
