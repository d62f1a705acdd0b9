#include "addin/class_factory.h"

#include "addin/com_boundary.h"
#include "addin/server_module.h"
#include "automation/win32/com_ptr.h"

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
    // The creator's reference goes with the pointer: the object lives on only if the query
    // succeeded.
    auto inner = ComPtr<IUnknown>::Attach(create_(outer));
    if (!inner) return E_OUTOFMEMORY;
    return inner->QueryInterface(iid, ppv);
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
