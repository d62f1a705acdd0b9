#pragma once
#include <windows.h>
#include <ole2.h>

#include <atomic>

namespace vk {

// Creates a new object, aggregated when outer is not null, and returns its non-delegating
// unknown with one reference (null when out of memory).
using ObjectCreator = IUnknown* (*)(IUnknown* outer);

// The class factory of one creatable class. Aggregation follows COM's rule: an outer object
// must ask for IUnknown. A live factory counts as an object of the module.
class CClassFactory final : public IClassFactory {
 public:
  explicit CClassFactory(ObjectCreator create);
  ~CClassFactory();
  CClassFactory(const CClassFactory&) = delete;
  CClassFactory& operator=(const CClassFactory&) = delete;

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** ppv) override;
  STDMETHODIMP LockServer(BOOL lock) override;

 private:
  ObjectCreator create_;
  std::atomic<ULONG> refs_{1};
};

}  // namespace vk
