#include "addin/type_info_holder.h"

#include <oleauto.h>

#include <iterator>

#include "addin/server_module.h"
#include "addin/type_library.h"

namespace vk {

HRESULT CTypeInfoHolder::Get(ITypeInfo** info) {
  if (!info_) {
    HRESULT hr = load_(info_.Out());
    if (FAILED(hr)) return hr;
    if (!info_) return E_UNEXPECTED;
  }
  *info = info_.Get();
  return S_OK;
}

HRESULT CTypeInfoHolder::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT CTypeInfoHolder::GetTypeInfo(UINT index, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  ITypeInfo* loaded = nullptr;
  HRESULT hr = Get(&loaded);
  if (FAILED(hr)) return hr;
  *info = ComPtr<ITypeInfo>(loaded).Detach();  // a new reference for the caller
  return S_OK;
}

HRESULT CTypeInfoHolder::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  ITypeInfo* loaded = nullptr;
  HRESULT hr = Get(&loaded);
  if (FAILED(hr)) return hr;
  return loaded->GetIDsOfNames(names, count, ids);
}

HRESULT CTypeInfoHolder::Invoke(void* instance, DISPID id, REFIID riid, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* excep, UINT* argErr) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  ITypeInfo* loaded = nullptr;
  HRESULT hr = Get(&loaded);
  if (FAILED(hr)) return hr;
  return loaded->Invoke(instance, id, flags, params, result, excep, argErr);
}

HRESULT LoadXVKAddinTypeInfo(ITypeInfo** info) {
  ComPtr<ITypeLib> lib;
  // REGKIND_NONE: reading our own description must not write the registry.
  HRESULT hr = LoadTypeLibEx(CServerModule::ModulePath().c_str(), REGKIND_NONE, lib.Out());
  if (FAILED(hr)) return hr;
  return lib->GetTypeInfoOfGuid(IID_IXVKAddin, info);
}

namespace {

// CreateDispTypeInfo takes non-const tables; it only reads them.
OLECHAR* Name(const wchar_t* name) { return const_cast<OLECHAR*>(name); }

constexpr VARTYPE kCustomArray = VT_ARRAY | VT_VARIANT | VT_BYREF;  // SAFEARRAY** custom

PARAMDATA kConnectionParams[] = {{Name(L"Application"), VT_DISPATCH},
                                 {Name(L"ConnectMode"), VT_I4},
                                 {Name(L"AddInInst"), VT_DISPATCH},
                                 {Name(L"custom"), kCustomArray}};
PARAMDATA kDisconnectionParams[] = {{Name(L"RemoveMode"), VT_I4}, {Name(L"custom"), kCustomArray}};
PARAMDATA kCustomParam[] = {{Name(L"custom"), kCustomArray}};

// _IDTExtensibility2: DISPIDs 1 to 5 in vtable order, from slot 7 on (after IUnknown's three and
// IDispatch's four slots). The DISPIDs are those that interop declarations generated from the
// Add-In Designer type library carry; Microsoft's pages do not list them (unverified there).
METHODDATA kExtensibilityMethods[] = {
    {Name(L"OnConnection"), kConnectionParams, 1, 7, CC_STDCALL, 4, DISPATCH_METHOD, VT_HRESULT},
    {Name(L"OnDisconnection"), kDisconnectionParams, 2, 8, CC_STDCALL, 2, DISPATCH_METHOD, VT_HRESULT},
    {Name(L"OnAddInsUpdate"), kCustomParam, 3, 9, CC_STDCALL, 1, DISPATCH_METHOD, VT_HRESULT},
    {Name(L"OnStartupComplete"), kCustomParam, 4, 10, CC_STDCALL, 1, DISPATCH_METHOD, VT_HRESULT},
    {Name(L"OnBeginShutdown"), kCustomParam, 5, 11, CC_STDCALL, 1, DISPATCH_METHOD, VT_HRESULT},
};

PARAMDATA kCustomUIParams[] = {{Name(L"RibbonID"), VT_BSTR}, {Name(L"RibbonXml"), VT_BSTR | VT_BYREF}};

// IRibbonExtensibility: GetCustomUI, DISPID 1 at slot 7, as interop declarations generated from
// Office's type library give it (unverified against Microsoft's pages, which omit DISPIDs).
METHODDATA kRibbonMethods[] = {
    {Name(L"GetCustomUI"), kCustomUIParams, 1, 7, CC_STDCALL, 2, DISPATCH_METHOD, VT_HRESULT},
};

// The interface's own type information from its method table. CreateDispTypeInfo answers with a
// class that implements the interface; the interface is what describes the vtable.
HRESULT BuildTypeInfo(METHODDATA* methods, UINT count, ITypeInfo** info) {
  INTERFACEDATA data{methods, count};
  ComPtr<ITypeInfo> coclass;
  HRESULT hr = CreateDispTypeInfo(&data, LOCALE_SYSTEM_DEFAULT, coclass.Out());
  if (FAILED(hr)) return hr;
  HREFTYPE ref = 0;
  hr = coclass->GetRefTypeOfImplType(0, &ref);
  if (FAILED(hr)) return hr;
  return coclass->GetRefTypeInfo(ref, info);
}

}  // namespace

HRESULT LoadExtensibilityTypeInfo(ITypeInfo** info) {
  return BuildTypeInfo(kExtensibilityMethods, static_cast<UINT>(std::size(kExtensibilityMethods)), info);
}

HRESULT LoadRibbonTypeInfo(ITypeInfo** info) {
  return BuildTypeInfo(kRibbonMethods, static_cast<UINT>(std::size(kRibbonMethods)), info);
}

}  // namespace vk
