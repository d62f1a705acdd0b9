#include "automation/win32/dispatch_object.h"

#include <string>
#include <utility>
#include <vector>

#include "automation/com_error.h"
#include "automation/win32/dispid_cache.h"
#include "automation/win32/platform_guid.h"
#include "automation/win32/variant_bridge.h"
#include "automation/win32/win32_text.h"

namespace vk {
namespace {

[[noreturn]] void Fail(HRESULT hr) { throw ComError(hr, SystemErrorText(hr)); }

// The code an object reported with DISP_E_EXCEPTION, with the system's text for it: the user's
// reports name a failure the same way whichever path it came by. A bare wCode maps into the
// interface range as the platform's own dispatch wrappers map it.
[[noreturn]] void FailWithException(EXCEPINFO& info) {
  if (info.pfnDeferredFillIn != nullptr) info.pfnDeferredFillIn(&info);
  HRESULT hr = DISP_E_EXCEPTION;
  if (info.scode != 0) {
    hr = info.scode;
  } else if (info.wCode != 0) {
    hr = info.wCode >= 0xFE00 ? static_cast<HRESULT>(0x8004FFFF) : static_cast<HRESULT>(0x80040200 + info.wCode);
  }
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  throw ComError(hr, SystemErrorText(hr));
}

WORD FlagsOf(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Method: return DISPATCH_METHOD;
    case InvokeKind::PropertyGet: return DISPATCH_PROPERTYGET;
    case InvokeKind::PropertyPut: return DISPATCH_PROPERTYPUT;
  }
  return DISPATCH_METHOD;
}

}  // namespace

ObjectPtr DispatchObject::Wrap(IDispatch* dispatch) {
  if (dispatch == nullptr) return nullptr;
  // Every object a cell's reading meets (its Range, Font, Interior, Borders, each Border) is
  // wrapped: one allocation for the object and its count, not two.
  return std::make_shared<DispatchObject>(Key(), dispatch);
}

IDispatch* DispatchObject::RawDispatch(const ObjectPtr& object) {
  auto* self = dynamic_cast<DispatchObject*>(object.get());
  return self ? self->Raw() : nullptr;
}

void DispatchObject::ResolveType(uint32_t lcid) const {
  UINT count = 0;
  if (SUCCEEDED(dispatch_->GetTypeInfoCount(&count)) && count > 0) {
    ComPtr<ITypeInfo> info;
    if (SUCCEEDED(dispatch_->GetTypeInfo(0, lcid, info.Out())) && info) {
      TYPEATTR* attr = nullptr;
      if (SUCCEEDED(info->GetTypeAttr(&attr)) && attr != nullptr) {
        type_ = attr->guid;
        info->ReleaseTypeAttr(attr);
      }
    }
  }
  // Without type information the object is its own type.
  cache_ = type_ != GUID_NULL ? DispIdCache::ForType(type_) : std::make_shared<DispIdCache>();
}

Guid DispatchObject::InterfaceId() const {
  if (!cache_) ResolveType(0);
  return FromPlatformGuid(type_);
}

std::u16string DispatchObject::TypeInfoName() {
  ComPtr<ITypeInfo> info;
  HRESULT hr = dispatch_->GetTypeInfo(0, 0, info.Out());
  if (FAILED(hr)) Fail(hr);
  if (!info) Fail(E_POINTER);
  BSTR name = nullptr;
  hr = info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
  if (FAILED(hr)) Fail(hr);
  std::u16string result = name != nullptr ? FromWide(name) : std::u16string();
  SysFreeString(name);
  return result;
}

DispIdCache& DispatchObject::CacheFor(const Guid& iid, uint32_t lcid) {
  // A caller that names the interface needs no answer from the object: the interface's own
  // cache, shared by every object held as that interface.
  if (iid != Guid{}) {
    if (!typedCache_ || !(typedIid_ == iid)) {
      typedIid_ = iid;
      typedCache_ = DispIdCache::ForType(ToPlatformGuid(iid));
    }
    return *typedCache_;
  }
  if (!cache_) ResolveType(lcid);
  return *cache_;
}

DISPID DispatchObject::Lookup(DispIdCache& cache, std::u16string_view member, uint32_t lcid) {
  DISPID id = DISPID_UNKNOWN;
  if (cache.Find(member, &id)) return id;
  std::wstring name = ToWide(member);
  LPOLESTR names[] = {name.data()};
  HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, lcid, &id);
  if (FAILED(hr)) Fail(hr);
  cache.Store(member, id);
  return id;
}

Variant DispatchObject::Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant> args,
                               uint32_t lcid) {
  return InvokeAs(Guid{}, member, kind, args, lcid);
}

Variant DispatchObject::InvokeAs(const Guid& iid, std::u16string_view member, InvokeKind kind,
                                 std::span<const Variant> args, uint32_t lcid) {
  if (kind == InvokeKind::PropertyPut && args.empty()) Fail(DISP_E_BADPARAMCOUNT);
  DISPID id = Lookup(CacheFor(iid, lcid), member, lcid);

  // IDispatch takes the arguments last first. Excel's members take a few arguments: they live on
  // the stack, and only a longer list costs an allocation.
  const VariantBridge& bridge = VariantBridge::Default();
  constexpr size_t kInlineArgs = 8;
  VARIANT inlineArgs[kInlineArgs];
  std::vector<VARIANT> heapArgs;
  VARIANT* argv = inlineArgs;
  if (args.size() > kInlineArgs) {
    heapArgs.resize(args.size());
    argv = heapArgs.data();
  }
  for (size_t i = 0; i < args.size(); ++i) VariantInit(&argv[i]);
  struct Clear {
    VARIANT* argv;
    size_t count;
    ~Clear() {
      for (size_t i = 0; i < count; ++i) VariantClear(&argv[i]);
    }
  } clear{argv, args.size()};
  for (size_t i = 0; i < args.size(); ++i) bridge.ToPlatform(args[i], &argv[args.size() - 1 - i]);

  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{args.empty() ? nullptr : argv, nullptr, static_cast<UINT>(args.size()), 0};
  if (kind == InvokeKind::PropertyPut) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO info{};
  UINT argError = 0;
  HRESULT hr = dispatch_->Invoke(id, IID_NULL, lcid, FlagsOf(kind), &params,
                                 kind == InvokeKind::PropertyPut ? nullptr : &result, &info, &argError);
  if (hr == DISP_E_EXCEPTION) FailWithException(info);
  if (FAILED(hr)) Fail(hr);
  try {
    Variant value = bridge.ToVariant(result);
    VariantClear(&result);
    return value;
  } catch (...) {
    VariantClear(&result);
    throw;
  }
}

ObjectPtr DispatchObject::QueryInterface(const Guid& iid) {
  GUID platformIid = ToPlatformGuid(iid);
  // The interfaces asked for by IID are dispatch interfaces (dispinterfaces or duals), so the
  // answer is callable as an IDispatch.
  ComPtr<IDispatch> other;
  HRESULT hr = dispatch_->QueryInterface(platformIid, reinterpret_cast<void**>(other.Out()));
  if (FAILED(hr)) Fail(hr);
  if (!other) Fail(E_NOINTERFACE);
  return Wrap(other.Get());
}

}  // namespace vk
