#include "win32/server_type_info.h"

namespace vk {

ITypeInfo* ServerTypeInfo::Create(const GUID& iid) { return new ServerTypeInfo(iid); }

HRESULT ServerTypeInfo::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ITypeInfo)) {
    *object = static_cast<ITypeInfo*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ServerTypeInfo::AddRef() { return ++refs_; }

ULONG ServerTypeInfo::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT ServerTypeInfo::GetTypeAttr(TYPEATTR** attr) {
  if (attr == nullptr) return E_POINTER;
  // Described as a dispinterface, as Excel's own objects are.
  auto* result = new TYPEATTR{};
  result->guid = iid_;
  result->lcid = LOCALE_NEUTRAL;
  result->memidConstructor = MEMBERID_NIL;
  result->memidDestructor = MEMBERID_NIL;
  result->typekind = TKIND_DISPATCH;
  result->cbSizeVft = 7 * sizeof(void*);
  result->cbAlignment = sizeof(void*);
  result->wTypeFlags = TYPEFLAG_FDISPATCHABLE;
  *attr = result;
  return S_OK;
}

void ServerTypeInfo::ReleaseTypeAttr(TYPEATTR* attr) { delete attr; }

}  // namespace vk
