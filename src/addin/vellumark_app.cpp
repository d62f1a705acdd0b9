#include "addin/vellumark_app.h"

#include <string>

#include "addin/server_module.h"
#include "addin/xvkaddin.h"
#include "settings/registry.h"
#include "settings/win32/win32_registry_hive.h"
#include "ui/user_messages.h"
#include "ui/win32/resource_module.h"
#include "ui/win32/win32_text.h"

namespace vk {

CVellumarkApp theApp;

namespace {

const ObjectMapEntry kObjectMap[] = {{&CLSID_XVKAddin, &CXVKAddin::Create}};

Win32RegistryHive g_registry;

// "C:\...\Vellumark.dll" gives "Vellumark".
std::u16string FileNameWithoutExtension(const std::wstring& path) {
  size_t start = path.find_last_of(L"\\/");
  std::wstring name = path.substr(start == std::wstring::npos ? 0 : start + 1);
  size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return FromWide(name);
}

}  // namespace

BOOL CVellumarkApp::InitInstance() {
  CRegistry::SetHive(&g_registry);
  ResourceModule::Set(CServerModule::Instance());
  SetMessageCaption(FileNameWithoutExtension(CServerModule::ModulePath()));
  CServerModule::Init(kObjectMap, LIBID_VELLUMARKLib);
  return TRUE;
}

int CVellumarkApp::ExitInstance() {
  CServerModule::Term();
  return 0;
}

}  // namespace vk
