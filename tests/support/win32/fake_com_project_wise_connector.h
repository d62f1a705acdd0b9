#pragma once
#include <windows.h>

#include <atomic>
#include <memory>

#include "fake_project_wise_connector.h"
#include "import/win32/vellumark_pw_connect.h"

namespace vk::fake {

// The ProjectWise connector's COM object as a stand-in: implements the connector's method table
// and forwards each of the three operations to a portable FakeProjectWiseConnector, which holds
// the script and records the calls. A ComError from the script becomes the call's HRESULT.
class FakeComProjectWiseConnector final : public IVellumarkPWConnect {
 public:
  // Returns a new object with one reference, owned by the caller.
  static FakeComProjectWiseConnector* Create(std::shared_ptr<FakeProjectWiseConnector> script);

  FakeProjectWiseConnector& script() { return *script_; }
  ULONG References() const { return refs_; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: the connector describes no automation members.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  // The connector's own slots.
  HRESULT STDMETHODCALLTYPE Reserved7() override;
  HRESULT STDMETHODCALLTYPE QueryDocument(BSTR* document, LONG* status) override;
  HRESULT STDMETHODCALLTYPE ReleaseDocument(BSTR document, LONG mode) override;
  HRESULT STDMETHODCALLTYPE Reserved10() override;
  HRESULT STDMETHODCALLTYPE SetTablePath(BSTR path) override;

 private:
  explicit FakeComProjectWiseConnector(std::shared_ptr<FakeProjectWiseConnector> script)
      : script_(std::move(script)) {}
  ~FakeComProjectWiseConnector() = default;

  std::shared_ptr<FakeProjectWiseConnector> script_;
  std::atomic<ULONG> refs_{1};
};

}  // namespace vk::fake
