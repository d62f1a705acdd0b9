#include "addin/com_object_root.h"

#include "addin/server_module.h"

namespace vk {

CComObjectRoot::CComObjectRoot(IUnknown* outer) : inner_(this), outer_(outer ? outer : &inner_) {
  CServerModule::ObjectCreated();
}

CComObjectRoot::~CComObjectRoot() { CServerModule::ObjectDestroyed(); }

STDMETHODIMP CComObjectRoot::Inner::QueryInterface(REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (IsEqualIID(iid, IID_IUnknown)) {
    *ppv = static_cast<IUnknown*>(this);
    AddRef();
    return S_OK;
  }
  void* found = owner_->FindInterface(iid);
  if (!found) return E_NOINTERFACE;
  // Every interface of the object derives from IUnknown; its AddRef reaches the controlling
  // unknown, as aggregation requires.
  static_cast<IUnknown*>(found)->AddRef();
  *ppv = found;
  return S_OK;
}

STDMETHODIMP_(ULONG) CComObjectRoot::Inner::AddRef() { return ++owner_->refs_; }

STDMETHODIMP_(ULONG) CComObjectRoot::Inner::Release() {
  ULONG left = --owner_->refs_;
  if (left == 0) delete owner_;
  return left;
}

}  // namespace vk
