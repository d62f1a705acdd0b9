#include "addin/server_module.h"

#include <oleauto.h>

#include <new>

#include "addin/class_factory.h"
#include "automation/win32/com_ptr.h"
#include "ui/win32/resource_module.h"

// The linker's symbol for the start of the module this code was linked into.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace vk {

HINSTANCE CServerModule::Instance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

std::wstring CServerModule::ModulePath() { return ModuleFilePath(Instance()); }

void CServerModule::Init(std::span<const ObjectMapEntry> objectMap, const GUID& libid) {
  objectMap_ = objectMap;
  libid_ = libid;
}

void CServerModule::Term() { objectMap_ = {}; }

HRESULT CServerModule::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  for (const ObjectMapEntry& entry : objectMap_) {
    if (!IsEqualCLSID(*entry.clsid, clsid)) continue;
    // The new factory's own reference goes with the pointer; the caller's comes from the query.
    auto factory = ComPtr<IClassFactory>::Attach(new (std::nothrow) CClassFactory(entry.create));
    if (!factory) return E_OUTOFMEMORY;
    return factory->QueryInterface(iid, ppv);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CServerModule::RegisterTypeLib() {
  std::wstring path = ModulePath();
  ComPtr<ITypeLib> lib;
  HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib.Out());
  if (FAILED(hr)) return hr;
  return ::RegisterTypeLib(lib.Get(), path.data(), nullptr);
}

HRESULT CServerModule::UnregisterTypeLib() {
  std::wstring path = ModulePath();
  ComPtr<ITypeLib> lib;
  HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib.Out());
  if (FAILED(hr)) return hr;
  TLIBATTR* attr = nullptr;
  hr = lib->GetLibAttr(&attr);
  if (SUCCEEDED(hr)) {
    // A library that is not registered (any more) is removed already.
    wchar_t libid[64] = {};
    StringFromGUID2(attr->guid, libid, 64);
    std::wstring key = std::wstring(L"TypeLib\\") + libid + L"\\" + std::to_wstring(attr->wMajorVerNum) + L"." +
                       std::to_wstring(attr->wMinorVerNum);
    HKEY registered = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &registered) == ERROR_SUCCESS) {
      RegCloseKey(registered);
      hr = ::UnRegisterTypeLib(attr->guid, attr->wMajorVerNum, attr->wMinorVerNum, attr->lcid, attr->syskind);
    }
    lib->ReleaseTLibAttr(attr);
  }
  return hr;
}

}  // namespace vk
