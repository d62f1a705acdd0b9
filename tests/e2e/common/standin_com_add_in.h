#pragma once
#include <windows.h>
#include <ole2.h>

#include <atomic>
#include <string>

#include "addin/office_interfaces.h"

namespace vk::test {

// Office's COMAddIn entry for the add-in, as a host passes it to OnConnection: it keeps the
// automation object the add-in publishes through its Object property.
class StandInComAddIn final : public COMAddIn {
 public:
  // A new entry with one reference, owned by the caller.
  static StandInComAddIn* Create(std::wstring progId);

  // The published object, without a new reference; null until the add-in sets one.
  IDispatch* PublishedObject() const { return object_; }
  int ObjectPuts() const { return objectPuts_; }

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
  STDMETHODIMP get_Application(IDispatch** ppidisp) override;
  STDMETHODIMP get_Creator(long* plCreator) override;
  STDMETHODIMP get_Description(BSTR* RetValue) override;
  STDMETHODIMP put_Description(BSTR RetValue) override;
  STDMETHODIMP get_ProgId(BSTR* RetValue) override;
  STDMETHODIMP get_Guid(BSTR* RetValue) override;
  STDMETHODIMP get_Connect(VARIANT_BOOL* RetValue) override;
  STDMETHODIMP put_Connect(VARIANT_BOOL RetValue) override;
  STDMETHODIMP get_Object(IDispatch** RetValue) override;
  STDMETHODIMP put_Object(IDispatch* RetValue) override;
  STDMETHODIMP get_Parent(IDispatch** retval) override;

 private:
  explicit StandInComAddIn(std::wstring progId) : progId_(std::move(progId)) {}
  ~StandInComAddIn();

  std::atomic<ULONG> refs_{1};
  std::wstring progId_;
  std::wstring description_;
  IDispatch* object_ = nullptr;
  int objectPuts_ = 0;
  bool connect_ = true;
};

}  // namespace vk::test
