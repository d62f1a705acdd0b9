// The module's own COM plumbing: reference counting with aggregation, the class factory's
// rules, and the object and lock counts that DllCanUnloadNow answers from.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include "addin/class_factory.h"
#include "addin/com_object_root.h"
#include "addin/server_module.h"

namespace {

// A stand-in class built like the add-in object: one interface of its own plus IDispatch-less
// IPersist, enough to tell identities apart.
class CProbe final : public vk::CComObjectRoot, public IPersist {
 public:
  static IUnknown* Create(IUnknown* outer) { return (new CProbe(outer))->InnerUnknown(); }
  VK_DELEGATING_UNKNOWN()
  STDMETHODIMP GetClassID(CLSID* id) override {
    *id = CLSID_NULL;
    return S_OK;
  }

 private:
  explicit CProbe(IUnknown* outer) : CComObjectRoot(outer) {}
  void* FindInterface(REFIID iid) override {
    return IsEqualIID(iid, IID_IPersist) ? static_cast<IPersist*>(this) : nullptr;
  }
};

// An outer object that aggregates a probe and hands out its IPersist.
class Outer final : public IUnknown {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
    if (IsEqualIID(iid, IID_IUnknown)) {
      *ppv = static_cast<IUnknown*>(this);
      AddRef();
      return S_OK;
    }
    if (IsEqualIID(iid, IID_IPersist)) return inner->QueryInterface(iid, ppv);
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  STDMETHODIMP_(ULONG) Release() override { return --refs; }
  ULONG refs = 1;
  IUnknown* inner = nullptr;
};

TEST(ComLayer, FactoryCreatesCountsAndReleasesObjects) {
  long before = vk::CServerModule::ObjectCount();
  IClassFactory* factory = new vk::CClassFactory(&CProbe::Create);
  EXPECT_FALSE(vk::CServerModule::CanUnload());

  IPersist* persist = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IPersist, reinterpret_cast<void**>(&persist)), S_OK);
  EXPECT_EQ(vk::CServerModule::ObjectCount(), before + 2);  // the factory and the object
  IUnknown* identity = nullptr;
  ASSERT_EQ(persist->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  IUnknown* again = nullptr;
  ASSERT_EQ(persist->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&again)), S_OK);
  EXPECT_EQ(again->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&again)), S_OK);
  EXPECT_EQ(again, identity);  // one identity whichever interface is asked
  again->Release();
  again->Release();
  identity->Release();
  EXPECT_EQ(persist->Release(), 0u);

  void* none = reinterpret_cast<void*>(1);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, &none), E_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(vk::CServerModule::ObjectCount(), before + 1);  // a failed creation leaves nothing

  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  factory->Release();
  EXPECT_FALSE(vk::CServerModule::CanUnload());
  EXPECT_EQ(vk::CServerModule::ObjectCount(), before);
  vk::CServerModule::Unlock();
  EXPECT_EQ(vk::CServerModule::CanUnload(), before == 0);
}

TEST(ComLayer, AggregatedObjectDelegatesToItsOuterUnknown) {
  IClassFactory* factory = new vk::CClassFactory(&CProbe::Create);
  Outer outer;
  void* wrong = nullptr;
  // An outer object must ask for IUnknown.
  EXPECT_EQ(factory->CreateInstance(&outer, IID_IPersist, &wrong), CLASS_E_NOAGGREGATION);
  ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&outer.inner)), S_OK);
  factory->Release();

  IPersist* persist = nullptr;
  ASSERT_EQ(outer.QueryInterface(IID_IPersist, reinterpret_cast<void**>(&persist)), S_OK);
  EXPECT_EQ(outer.refs, 2u);  // the inner object's interface counts on the outer object
  IUnknown* identity = nullptr;
  ASSERT_EQ(persist->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  EXPECT_EQ(identity, static_cast<IUnknown*>(&outer));
  identity->Release();
  persist->Release();
  EXPECT_EQ(outer.refs, 1u);
  long before = vk::CServerModule::ObjectCount();
  EXPECT_EQ(outer.inner->Release(), 0u);
  EXPECT_EQ(vk::CServerModule::ObjectCount(), before - 1);
}

}  // namespace
