#pragma once
#include <windows.h>
#include <oaidl.h>

namespace vk {

// The type information of one interface of the module's own embedded type library (resource
// TYPELIB 1), loaded on first use without registration, and the IDispatch methods built on it.
// Serves late-bound callers (Office's ribbon, scripts) from the same description the
// registered type library gives them.
class CTypeInfoHolder {
 public:
  explicit CTypeInfoHolder(const IID& iid) : iid_(iid) {}
  ~CTypeInfoHolder();
  CTypeInfoHolder(const CTypeInfoHolder&) = delete;
  CTypeInfoHolder& operator=(const CTypeInfoHolder&) = delete;

  // The loaded type information (a borrowed pointer) or the load failure.
  HRESULT Get(ITypeInfo** info);

  HRESULT GetTypeInfoCount(UINT* count);
  HRESULT GetTypeInfo(UINT index, ITypeInfo** info);
  HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids);
  HRESULT Invoke(void* instance, DISPID id, REFIID riid, WORD flags, DISPPARAMS* params,
                 VARIANT* result, EXCEPINFO* excep, UINT* argErr);

 private:
  IID iid_;
  ITypeInfo* info_ = nullptr;
};

}  // namespace vk
