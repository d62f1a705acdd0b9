#include "standin_com_add_in.h"

namespace vk::test {

StandInComAddIn* StandInComAddIn::Create(std::wstring progId) { return new StandInComAddIn(std::move(progId)); }

StandInComAddIn::~StandInComAddIn() {
  if (object_) object_->Release();
}

STDMETHODIMP StandInComAddIn::QueryInterface(REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, __uuidof(_IMsoDispObj)) ||
      IsEqualIID(iid, __uuidof(COMAddIn))) {
    *ppv = static_cast<COMAddIn*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) StandInComAddIn::AddRef() { return ++refs_; }

STDMETHODIMP_(ULONG) StandInComAddIn::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

// The add-in reaches this object through the vtable only; late binding is not offered.
STDMETHODIMP StandInComAddIn::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
STDMETHODIMP StandInComAddIn::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
STDMETHODIMP StandInComAddIn::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }
STDMETHODIMP StandInComAddIn::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP StandInComAddIn::get_Application(IDispatch** ppidisp) {
  if (!ppidisp) return E_POINTER;
  *ppidisp = nullptr;
  return S_OK;
}
STDMETHODIMP StandInComAddIn::get_Creator(long* plCreator) {
  if (!plCreator) return E_POINTER;
  *plCreator = 0x5843454C;  // "XCEL", Excel's creator code
  return S_OK;
}
STDMETHODIMP StandInComAddIn::get_Description(BSTR* RetValue) {
  if (!RetValue) return E_POINTER;
  *RetValue = SysAllocString(description_.c_str());
  return S_OK;
}
STDMETHODIMP StandInComAddIn::put_Description(BSTR RetValue) {
  description_ = RetValue ? RetValue : L"";
  return S_OK;
}
STDMETHODIMP StandInComAddIn::get_ProgId(BSTR* RetValue) {
  if (!RetValue) return E_POINTER;
  *RetValue = SysAllocString(progId_.c_str());
  return S_OK;
}
STDMETHODIMP StandInComAddIn::get_Guid(BSTR* RetValue) {
  if (!RetValue) return E_POINTER;
  CLSID clsid{};
  wchar_t text[64] = {};
  if (SUCCEEDED(CLSIDFromProgID(progId_.c_str(), &clsid))) StringFromGUID2(clsid, text, 64);
  *RetValue = SysAllocString(text);
  return S_OK;
}
STDMETHODIMP StandInComAddIn::get_Connect(VARIANT_BOOL* RetValue) {
  if (!RetValue) return E_POINTER;
  *RetValue = connect_ ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}
STDMETHODIMP StandInComAddIn::put_Connect(VARIANT_BOOL RetValue) {
  connect_ = RetValue != VARIANT_FALSE;
  return S_OK;
}
STDMETHODIMP StandInComAddIn::get_Object(IDispatch** RetValue) {
  if (!RetValue) return E_POINTER;
  *RetValue = object_;
  if (object_) object_->AddRef();
  return S_OK;
}
STDMETHODIMP StandInComAddIn::put_Object(IDispatch* RetValue) {
  if (RetValue) RetValue->AddRef();
  if (object_) object_->Release();
  object_ = RetValue;
  ++objectPuts_;
  return S_OK;
}
STDMETHODIMP StandInComAddIn::get_Parent(IDispatch** retval) {
  if (!retval) return E_POINTER;
  *retval = nullptr;
  return S_OK;
}

}  // namespace vk::test
