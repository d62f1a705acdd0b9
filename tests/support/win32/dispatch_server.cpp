#include "win32/dispatch_server.h"

#include <cwctype>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "automation/com_error.h"
#include "automation/win32/platform_guid.h"
#include "automation/win32/win32_text.h"
#include "win32/server_bridge.h"
#include "win32/server_type_info.h"

namespace vk {
namespace {

// Lets ServedObject recognise our own servers behind a plain IDispatch.
constexpr GUID kIidDispatchServer = {0x6f3c1d2a, 0x8b47, 0x4e0e, {0x9a, 0x51, 0x2d, 0x7c, 0x90, 0x3e, 0x11, 0x5b}};

// One DISPID per member name for the process, names compared without case.
class MemberIds {
 public:
  static MemberIds& Instance() {
    static MemberIds ids;
    return ids;
  }
  DISPID IdOf(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& c : key) c = static_cast<char16_t>(std::towlower(c));
    std::lock_guard lock(mutex_);
    auto [it, added] = ids_.try_emplace(key, static_cast<DISPID>(names_.size() + 1));
    if (added) names_.emplace_back(name);
    return it->second;
  }
  bool NameOf(DISPID id, std::u16string* name) {
    std::lock_guard lock(mutex_);
    if (id < 1 || static_cast<size_t>(id) > names_.size()) return false;
    *name = names_[id - 1];
    return true;
  }

 private:
  std::mutex mutex_;
  std::map<std::u16string, DISPID> ids_;
  std::vector<std::u16string> names_;
};

// Codes that Excel gives as Invoke's own result rather than as an exception: the dispatch
// layer's argument and member errors, and the busy refusal. (ck) That the busy code is returned
// directly rather than inside EXCEPINFO is common knowledge about Excel, not documented.
bool ReturnedDirectly(HRESULT hr) {
  return hr == kExcelBusy || (HRESULT_FACILITY(hr) == FACILITY_DISPATCH && hr != DISP_E_EXCEPTION);
}

}  // namespace

IDispatch* DispatchServer::Serve(ObjectPtr object) {
  return object ? new DispatchServer(std::move(object)) : nullptr;
}

ObjectPtr DispatchServer::ServedObject(IDispatch* dispatch) {
  void* raw = nullptr;
  if (dispatch == nullptr || FAILED(dispatch->QueryInterface(kIidDispatchServer, &raw))) return nullptr;
  auto* server = static_cast<DispatchServer*>(static_cast<IDispatch*>(raw));
  ObjectPtr object = server->object_;
  server->Release();
  return object;
}

HRESULT DispatchServer::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, kIidDispatchServer)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  // Another interface of the same object is served by a new server; it shares the object, not
  // the COM identity, which no test relies on.
  try {
    ObjectPtr other = object_->QueryInterface(FromPlatformGuid(riid));
    if (!other) return E_NOINTERFACE;
    *object = Serve(std::move(other));
    return S_OK;
  } catch (const ComError& e) {
    return e.Error();
  } catch (...) {
    return E_UNEXPECTED;
  }
}

ULONG DispatchServer::AddRef() { return ++refs_; }

ULONG DispatchServer::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT DispatchServer::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = object_->InterfaceId() == Guid{} ? 0 : 1;
  return S_OK;
}

HRESULT DispatchServer::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  Guid iid = object_->InterfaceId();
  if (index != 0 || iid == Guid{}) return DISP_E_BADINDEX;
  std::wstring name;
  try {
    const std::u16string typeName = object_->TypeInfoName();
    name.assign(typeName.begin(), typeName.end());
  } catch (...) {
    // A type without a name still gives its GUID.
  }
  *info = ServerTypeInfo::Create(ToPlatformGuid(iid), std::move(name));
  return S_OK;
}

HRESULT DispatchServer::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  ++nameLookups_;
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (names == nullptr || ids == nullptr) return E_POINTER;
  if (count == 0) return E_INVALIDARG;
  // Every name is a member here: an unknown one fails at Invoke, where the object decides.
  ids[0] = MemberIds::Instance().IdOf(FromWide(names[0]));
  // Names of parameters are not supported.
  for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT DispatchServer::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT* argError) {
  LARGE_INTEGER start{}, end{};
  QueryPerformanceCounter(&start);
  const HRESULT hr = Answer(id, riid, lcid, flags, params, result, exception, argError);
  QueryPerformanceCounter(&end);
  ++invocations_;
  invokeTicks_ += end.QuadPart - start.QuadPart;
  return hr;
}

HRESULT DispatchServer::Answer(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT* argError) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (params == nullptr) return E_POINTER;
  std::u16string member;
  if (!MemberIds::Instance().NameOf(id, &member)) return DISP_E_MEMBERNOTFOUND;

  // METHOD|PROPERTYGET together (as script clients send it) is taken as a method call.
  bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  InvokeKind kind = put ? InvokeKind::PropertyPut
                        : (flags & DISPATCH_METHOD) ? InvokeKind::Method : InvokeKind::PropertyGet;
  if (put) {
    if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT || params->cArgs < 1)
      return DISP_E_PARAMNOTOPTIONAL;
  } else if (params->cNamedArgs != 0) {
    return DISP_E_NONAMEDARGS;
  }

  // rgvarg holds the arguments last first; for a put the value (the named argument) is
  // rgvarg[0], which is also the last in natural order.
  const ServerBridge& bridge = ServerBridge::Instance();
  std::vector<Variant> args;
  args.reserve(params->cArgs);
  for (UINT i = params->cArgs; i-- > 0;) {
    try {
      args.push_back(bridge.ToVariant(params->rgvarg[i]));
    } catch (const ComError&) {
      if (argError) *argError = i;
      return DISP_E_TYPEMISMATCH;
    }
  }

  try {
    Variant value = object_->Invoke(member, kind, args, lcid);
    if (result != nullptr) bridge.ToPlatform(value, result);
    return S_OK;
  } catch (const ComError& e) {
    HRESULT hr = e.Error();
    if (ReturnedDirectly(hr) || exception == nullptr) return hr;
    *exception = EXCEPINFO{};
    exception->scode = hr;
    exception->bstrDescription = SysAllocString(W(e.ErrorMessage()));
    return DISP_E_EXCEPTION;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace vk
