#include "addin/class_factory.h"

#include "addin/com_boundary.h"
#include "addin/server_module.h"

namespace vk {

CClassFactory::CClassFactory(ObjectCreator create) : create_(create) { CServerModule::ObjectCreated(); }

CClassFactory::~CClassFactory() { CServerModule::ObjectDestroyed(); }

STDMETHODIMP CClassFactory::QueryInterface(REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef() { return ++refs_; }

STDMETHODIMP_(ULONG) CClassFactory::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (outer && !IsEqualIID(iid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
  return ComBoundary([&]() -> HRESULT {
    IUnknown* inner = create_(outer);
    if (!inner) return E_OUTOFMEMORY;
    HRESULT hr = inner->QueryInterface(iid, ppv);
    inner->Release();  // the creator's reference: the object lives on only if the query succeeded
    return hr;
  });
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock) {
  if (lock) {
    CServerModule::Lock();
  } else {
    CServerModule::Unlock();
  }
  return S_OK;
}

}  // namespace vk
