#include "win32/server_type_info.h"

namespace vk {

ITypeInfo* ServerTypeInfo::Create(const GUID& iid, std::wstring name) {
  return new ServerTypeInfo(iid, std::move(name));
}

// Only the type's own name: what clients ask to tell controls apart.
HRESULT ServerTypeInfo::GetDocumentation(MEMBERID id, BSTR* name, BSTR* doc, DWORD* context, BSTR* file) {
  if (id != MEMBERID_NIL) return TYPE_E_ELEMENTNOTFOUND;
  if (name != nullptr) *name = SysAllocString(name_.c_str());
  if (doc != nullptr) *doc = nullptr;
  if (context != nullptr) *context = 0;
  if (file != nullptr) *file = nullptr;
  return S_OK;
}

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
