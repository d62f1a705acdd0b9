#pragma once
#include <windows.h>
#include <oaidl.h>

#include "addin/com_boundary.h"
#include "automation/win32/com_ptr.h"

namespace vk {

// Where one interface's type information comes from: a loader that hands out a new reference.
using TypeInfoLoader = HRESULT (*)(ITypeInfo** info);

// The type information of one dispatch interface, loaded on first use, and the IDispatch
// methods built on it. Serves late-bound callers (Office's ribbon, scripts) from the same
// description that the vtable follows.
class CTypeInfoHolder {
 public:
  explicit CTypeInfoHolder(TypeInfoLoader load) : load_(load) {}
  CTypeInfoHolder(const CTypeInfoHolder&) = delete;
  CTypeInfoHolder& operator=(const CTypeInfoHolder&) = delete;

  // The loaded type information (a borrowed pointer) or the load failure.
  HRESULT Get(ITypeInfo** info);

  HRESULT GetTypeInfoCount(UINT* count);
  HRESULT GetTypeInfo(UINT index, ITypeInfo** info);
  HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids);
  HRESULT Invoke(void* instance, DISPID id, REFIID riid, WORD flags, DISPPARAMS* params,
                 VARIANT* result, EXCEPINFO* excep, UINT* argErr);

 private:
  TypeInfoLoader load_;
  ComPtr<ITypeInfo> info_;
};

// The dispatch part of one dual interface of an object, answered from that interface's own type
// information. An object with several dual interfaces derives from one of these per interface,
// so that each vtable's IDispatch slots describe and invoke that interface's methods only.
template <class Interface, TypeInfoLoader Load>
class CDispatchImpl : public Interface {
 public:
  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override {
    return ComBoundary([&] { return typeInfo_.GetTypeInfoCount(pctinfo); });
  }
  STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID, ITypeInfo** ppTInfo) override {
    return ComBoundary([&] { return typeInfo_.GetTypeInfo(iTInfo, ppTInfo); });
  }
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId) override {
    return ComBoundary([&] { return typeInfo_.GetIDsOfNames(riid, rgszNames, cNames, rgDispId); });
  }
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                      VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override {
    return ComBoundary([&] {
      return typeInfo_.Invoke(static_cast<Interface*>(this), dispIdMember, riid, wFlags, pDispParams, pVarResult,
                              pExcepInfo, puArgErr);
    });
  }

 private:
  CTypeInfoHolder typeInfo_{Load};
};

// Loaders: IXVKAddin from the module's own embedded type library (without registration);
// Office's two add-in interfaces from descriptions built here, since their type libraries are
// Office's, not ours to load.
HRESULT LoadXVKAddinTypeInfo(ITypeInfo** info);
HRESULT LoadExtensibilityTypeInfo(ITypeInfo** info);
HRESULT LoadRibbonTypeInfo(ITypeInfo** info);

}  // namespace vk
