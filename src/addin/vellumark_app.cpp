#include "addin/vellumark_app.h"

#include "addin/server_module.h"
#include "addin/xvkaddin.h"
#include "settings/registry.h"
#include "settings/win32/win32_ansi_code_page.h"
#include "settings/win32/win32_registry_hive.h"
#include "ui/win32/win32_services.h"

namespace vk {

CVellumarkApp theApp;

namespace {

const ObjectMapEntry kObjectMap[] = {{&CLSID_XVKAddin, &CXVKAddin::Create}};

Win32RegistryHive g_registry;
CWin32AnsiCodePage g_ansiCodePage;

}  // namespace

BOOL CVellumarkApp::InitInstance() {
  // Settings and the platform's services are installed once, before any object exists.
  CRegistry::SetHive(&g_registry);
  AnsiCodePage::SetCurrent(&g_ansiCodePage);
  InstallWin32Services(CServerModule::Instance());
  CServerModule::Init(kObjectMap, LIBID_VELLUMARKLib);
  return TRUE;
}

int CVellumarkApp::ExitInstance() {
  CServerModule::Term();
  return 0;
}

}  // namespace vk
