#pragma once
#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <utility>

#include "automation/automation_object.h"

namespace vk {

// Serves any AutomationObject (the stand-in Excel's objects) as a real COM IDispatch, so that
// Windows tests reach it through the platform exactly as the add-in reaches Excel.
//  - GetIDsOfNames gives each member name one DISPID for the whole process, case-insensitively
//    as Excel does; Invoke passes the name as first spelled.
//  - A ComError from the object comes back as DISP_E_EXCEPTION with EXCEPINFO scode and
//    description, except the codes Excel answers Invoke with directly (see Invoke).
//  - Type information gives the object's InterfaceId (none when it has no id).
//  - QueryInterface answers IUnknown and IDispatch itself and asks the object for others.
class DispatchServer final : public IDispatch {
 public:
  // A new server with one reference, owned by the caller; null for a null object.
  static IDispatch* Serve(ObjectPtr object);
  // The object behind one of our servers, or null for any other IDispatch.
  static ObjectPtr ServedObject(IDispatch* dispatch);
  // GetIDsOfNames calls answered by all servers so far.
  static long NameLookups() { return nameLookups_; }
  // Invoke calls answered by all servers so far, and the time spent inside them in
  // QueryPerformanceCounter ticks: what the stand-in itself costs a caller (scripts/bench-wine).
  static long long Invocations() { return invocations_; }
  static long long InvokeTicks() { return invokeTicks_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

 private:
  explicit DispatchServer(ObjectPtr object) : object_(std::move(object)) {}
  HRESULT Answer(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO* exception, UINT* argError);

  static inline std::atomic<long> nameLookups_{0};
  static inline std::atomic<long long> invocations_{0};
  static inline std::atomic<long long> invokeTicks_{0};
  std::atomic<ULONG> refs_{1};
  ObjectPtr object_;
};

}  // namespace vk
