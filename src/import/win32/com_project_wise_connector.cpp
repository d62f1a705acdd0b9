#include "import/win32/com_project_wise_connector.h"

#include <memory>

#include "automation/com_error.h"
#include "automation/win32/win32_text.h"

namespace vk {

namespace {

void Check(HRESULT hr) {
  if (FAILED(hr)) throw ComError(hr, SystemErrorText(hr));
}

// A BSTR argument for the length of one call.
class CallText {
 public:
  explicit CallText(const std::u16string& text)
      : bstr_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                static_cast<UINT>(text.size()))) {
    if (!bstr_) throw ComError(E_OUTOFMEMORY, SystemErrorText(E_OUTOFMEMORY));
  }
  ~CallText() { SysFreeString(bstr_); }
  CallText(const CallText&) = delete;
  CallText& operator=(const CallText&) = delete;
  BSTR get() const { return bstr_; }

 private:
  BSTR bstr_;
};

}  // namespace

ProjectWiseConnectorPtr CComProjectWiseConnector::Open(IUnknown* object) {
  if (!object) return nullptr;
  ComPtr<IVellumarkPWConnect> connector;
  if (FAILED(object->QueryInterface(__uuidof(IVellumarkPWConnect),
                                    reinterpret_cast<void**>(connector.Out()))) ||
      !connector)
    return nullptr;
  return std::make_shared<CComProjectWiseConnector>(connector.Get());
}

int32_t CComProjectWiseConnector::QueryDocument(std::u16string& document) {
  if (!connector_) throw ComError(E_POINTER, SystemErrorText(E_POINTER));
  BSTR text = nullptr;
  LONG status = 0;
  const HRESULT hr = connector_->QueryDocument(&text, &status);
  // The out text belongs to us whatever the result.
  document = text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
                  : std::u16string();
  SysFreeString(text);
  Check(hr);
  return status;
}

void CComProjectWiseConnector::ReleaseDocument(const std::u16string& document, int32_t mode) {
  if (!connector_) throw ComError(E_POINTER, SystemErrorText(E_POINTER));
  CallText text(document);
  Check(connector_->ReleaseDocument(text.get(), mode));
}

void CComProjectWiseConnector::SetTablePath(const std::u16string& path) {
  if (!connector_) throw ComError(E_POINTER, SystemErrorText(E_POINTER));
  CallText text(path);
  Check(connector_->SetTablePath(text.get()));
}

}  // namespace vk
