#include "win32/fake_com_project_wise_connector.h"

#include "automation/com_error.h"

namespace vk::fake {

namespace {

std::u16string TextOf(BSTR text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
              : std::u16string();
}

template <typename Call>
HRESULT Guarded(Call&& call) {
  try {
    call();
    return S_OK;
  } catch (const ComError& error) {
    return error.Error();
  }
}

}  // namespace

FakeComProjectWiseConnector* FakeComProjectWiseConnector::Create(
    std::shared_ptr<FakeProjectWiseConnector> script) {
  return new FakeComProjectWiseConnector(std::move(script));
}

HRESULT FakeComProjectWiseConnector::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      (IsEqualIID(iid, __uuidof(IVellumarkPWConnect)) && script_->script().offersInterface)) {
    *out = static_cast<IVellumarkPWConnect*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

ULONG FakeComProjectWiseConnector::AddRef() { return ++refs_; }

ULONG FakeComProjectWiseConnector::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT FakeComProjectWiseConnector::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT FakeComProjectWiseConnector::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT FakeComProjectWiseConnector::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                                   DISPID* ids) {
  for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT FakeComProjectWiseConnector::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                            EXCEPINFO*, UINT*) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT FakeComProjectWiseConnector::Reserved7() { return E_NOTIMPL; }
HRESULT FakeComProjectWiseConnector::Reserved10() { return E_NOTIMPL; }

HRESULT FakeComProjectWiseConnector::QueryDocument(BSTR* document, LONG* status) {
  if (!document || !status) return E_POINTER;
  *document = nullptr;
  *status = 0;
  std::u16string text;
  int32_t answer = 0;
  const HRESULT hr = Guarded([&] { answer = script_->QueryDocument(text); });
  if (FAILED(hr)) return hr;
  *document = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                static_cast<UINT>(text.size()));
  if (!*document) return E_OUTOFMEMORY;
  *status = answer;
  return S_OK;
}

HRESULT FakeComProjectWiseConnector::ReleaseDocument(BSTR document, LONG mode) {
  return Guarded([&] { script_->ReleaseDocument(TextOf(document), mode); });
}

HRESULT FakeComProjectWiseConnector::SetTablePath(BSTR path) {
  return Guarded([&] { script_->SetTablePath(TextOf(path)); });
}

}  // namespace vk::fake
