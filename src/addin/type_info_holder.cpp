#include "addin/type_info_holder.h"

#include <oleauto.h>

#include "addin/server_module.h"

namespace vk {

CTypeInfoHolder::~CTypeInfoHolder() {
  if (info_) info_->Release();
}

HRESULT CTypeInfoHolder::Get(ITypeInfo** info) {
  if (!info_) {
    ITypeLib* lib = nullptr;
    // REGKIND_NONE: reading our own description must not write the registry.
    HRESULT hr = LoadTypeLibEx(CServerModule::ModulePath().c_str(), REGKIND_NONE, &lib);
    if (FAILED(hr)) return hr;
    hr = lib->GetTypeInfoOfGuid(iid_, &info_);
    lib->Release();
    if (FAILED(hr)) return hr;
  }
  *info = info_;
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
  loaded->AddRef();
  *info = loaded;
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

}  // namespace vk
