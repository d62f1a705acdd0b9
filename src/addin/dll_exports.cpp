// The in-process server's four exports (the .def file keeps the export table to exactly these)
// and the module's start-up and shut-down.
#include <windows.h>
#include <ole2.h>

#include "addin/com_boundary.h"
#include "addin/registrar.h"
#include "addin/server_module.h"
#include "addin/vellumark_app.h"

namespace {

const HKEY kClasses = HKEY_CLASSES_ROOT;
const HKEY kUser = HKEY_CURRENT_USER;

#define VK_CLSID L"{510AD967-0A36-4AA3-AF98-862B93AB118D}"
#define VK_CLASS_KEY L"CLSID\\" VK_CLSID
#define VK_ADDINS L"Software\\Microsoft\\Office\\Excel\\Addins"

// What registration writes, in order; unregistration removes the non-shared keys with their
// contents. The class key is replaced whole, so registering twice leaves one set of entries.
const vk::RegEntry kRegistration[] = {
    {vk::RegEntry::Key, kClasses, L"Vellumark.VK2019.1", nullptr, L"VK2019 Class", 0},
    {vk::RegEntry::Key, kClasses, L"Vellumark.VK2019.1\\CLSID", nullptr, VK_CLSID, 0},
    {vk::RegEntry::Key, kClasses, L"Vellumark.VK2019", nullptr, L"VK2019 Class", 0},
    {vk::RegEntry::Key, kClasses, L"Vellumark.VK2019\\CLSID", nullptr, VK_CLSID, 0},
    {vk::RegEntry::Key, kClasses, L"Vellumark.VK2019\\CurVer", nullptr, L"Vellumark.VK2019.1", 0},
    {vk::RegEntry::SharedKey, kClasses, L"CLSID", nullptr, nullptr, 0},
    {vk::RegEntry::ReplacedKey, kClasses, VK_CLASS_KEY, nullptr, L"VK2019 Class", 0},
    {vk::RegEntry::Key, kClasses, VK_CLASS_KEY L"\\ProgID", nullptr, L"Vellumark.VK2019.1", 0},
    {vk::RegEntry::Key, kClasses, VK_CLASS_KEY L"\\VersionIndependentProgID", nullptr, L"Vellumark.VK2019", 0},
    {vk::RegEntry::ReplacedKey, kClasses, VK_CLASS_KEY L"\\Programmable", nullptr, nullptr, 0},
    {vk::RegEntry::Key, kClasses, VK_CLASS_KEY L"\\InprocServer32", nullptr, L"%MODULE%", 0},
    {vk::RegEntry::TextValue, kClasses, VK_CLASS_KEY L"\\InprocServer32", L"ThreadingModel", L"Apartment", 0},
    {vk::RegEntry::Key, kClasses, VK_CLASS_KEY L"\\TypeLib", nullptr, L"{54884771-AA92-40A5-B9F3-449C891B6A91}", 0},
    {vk::RegEntry::SharedKey, kUser, VK_ADDINS, nullptr, nullptr, 0},
    {vk::RegEntry::Key, kUser, VK_ADDINS L"\\Vellumark.VK2019", nullptr, nullptr, 0},
    {vk::RegEntry::TextValue, kUser, VK_ADDINS L"\\Vellumark.VK2019", L"FriendlyName", L"Vellumark2019", 0},
    {vk::RegEntry::TextValue, kUser, VK_ADDINS L"\\Vellumark.VK2019", L"Description", L"Vellumark2019", 0},
    {vk::RegEntry::NumberValue, kUser, VK_ADDINS L"\\Vellumark.VK2019", L"LoadBehavior", nullptr, 3},
    {vk::RegEntry::NumberValue, kUser, VK_ADDINS L"\\Vellumark.VK2019", L"CommandLineSafe", nullptr, 1},
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    return vk::theApp.InitInstance();
  }
  if (reason == DLL_PROCESS_DETACH) vk::theApp.ExitInstance();
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  return vk::ComBoundary([&] { return vk::CServerModule::GetClassObject(rclsid, riid, ppv); });
}

STDAPI DllCanUnloadNow() {
  return vk::ComBoundary([] { return vk::CServerModule::CanUnload() ? S_OK : S_FALSE; });
}

STDAPI DllRegisterServer() {
  return vk::ComBoundary([] {
    HRESULT hr = vk::CRegistrar(vk::CServerModule::ModulePath()).Register(kRegistration);
    if (FAILED(hr)) return hr;
    return vk::CServerModule::RegisterTypeLib();
  });
}

STDAPI DllUnregisterServer() {
  return vk::ComBoundary([] {
    HRESULT hr = vk::CRegistrar(vk::CServerModule::ModulePath()).Unregister(kRegistration);
    HRESULT lib = vk::CServerModule::UnregisterTypeLib();
    return FAILED(hr) ? hr : lib;
  });
}
