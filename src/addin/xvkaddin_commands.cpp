// The commands of the ribbon and of IXVKAddin.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <shlwapi.h>

#include <cwchar>
#include <string>

#include "addin/options_launcher.h"
#include "addin/com_boundary.h"
#include "addin/document_opener.h"
#include "addin/resource_scope.h"
#include "addin/server_module.h"
#include "addin/xvkaddin.h"
#include "automation/win32/com_ptr.h"
#include "import/project_wise_check.h"
#include "import/win32/win32_project_wise_site.h"
#include "resource_ids/module_resource_ids.h"
#include "settings/option_table.h"
#include "settings/registry.h"
#include "settings/win32/win32_registry_hive.h"

namespace vk {

namespace {

// Office 2007's ribbon schema; Office reads it from Excel 12 on.
constexpr wchar_t kRibbonXml[] =
    L"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">\n"
    L"<ribbon>\n"
    L"<tabs>\n"
    L"<tab id=\"VellumarkTab\" label=\"Vellumark\">\n"
    L"<group id=\"Zelkor_Vellumark_AutoCAD\" label=\"Vellumark For AutoCAD 2019\">\n"
    L"<button id=\"Vellumark_Finish\" imageMso=\"FileCompatibilityChecker\" size=\"large\" label=\"Finish\" "
    L"onAction=\"OnRibbonFinish\"/>\n"
    L"<button id=\"Vellumark_RangeImport\" imageMso=\"TableInsert\" size=\"large\" label=\"Range Import\" "
    L"onAction=\"OnRibbonRangeImport\"/>\n"
    L"<button id=\"Vellumark_Options\" imageMso=\"PropertySheet\" size=\"large\" label=\"Options\" "
    L"onAction=\"OnRibbonOptions\"/>\n"
    L"<button id=\"Vellumark_Help\" imageMso=\"TentativeAcceptInvitation\" size=\"large\" label=\"Help\" "
    L"onAction=\"OnRibbonHelp\"/>\n"
    L"</group>\n"
    L"</tab>\n"
    L"</tabs>\n"
    L"</ribbon>\n"
    L"</customUI>";

constexpr int kFirstRibbonVersion = 12;  // Excel 2007

// The installation's key below HKEY_LOCAL_MACHINE, formed from the company folder and product.
std::wstring InstallKeyPath() {
  wchar_t path[MAX_PATH];
  swprintf(path, MAX_PATH, L"software\\%ls\\%ls", L"Zelkor\\Zelkor2019", L"Vellumark");
  return path;
}

// Drive and directory of a path: everything up to and including its last backslash.
std::wstring DirectoryPart(const wchar_t* path) {
  // Parts sized by the path itself: _wsplitpath writes without bounds.
  std::wstring drive(wcslen(path) + 1, L'\0'), dir(wcslen(path) + 1, L'\0');
  _wsplitpath(path, drive.data(), dir.data(), nullptr, nullptr);
  return std::wstring(drive.c_str()) + dir.c_str();
}

}  // namespace

std::wstring HelpFolder() {
  std::wstring folder;
  bool found = false;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, InstallKeyPath().c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    wchar_t value[MAX_PATH + 1] = {};  // room for 260 characters and a terminator the value may lack
    DWORD type = 0;
    DWORD size = MAX_PATH * sizeof(wchar_t);
    if (RegQueryValueExW(key, L"Path", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
      value[size / sizeof(wchar_t)] = L'\0';
      if (value[0] != L'\0') {
        folder = DirectoryPart(value);
        found = true;
      }
    }
    RegCloseKey(key);
  }
  if (!found) folder = DirectoryPart(CServerModule::ModulePath().c_str());
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder;
}

// ---- Ribbon ----------------------------------------------------------------------------

STDMETHODIMP CXVKAddin::GetCustomUI(BSTR, BSTR* RibbonXml) {
  return ComBoundary([&]() -> HRESULT {
    CResourceScope resources;
    if (m_nExcelVersion < kFirstRibbonVersion) return E_NOTIMPL;
    if (!RibbonXml) return E_POINTER;
    *RibbonXml = SysAllocString(kRibbonXml);
    return *RibbonXml ? S_OK : E_OUTOFMEMORY;
  });
}

// ---- Import commands -------------------------------------------------------------------

namespace {

// Excel's main window (Application.Hwnd, a Long even in 64-bit Excel: window handles fit in 32
// bits); null when Excel is not connected, does not answer or answers a number that is no
// window (a dialog given such an owner would not open at all); the dialog then has no owner.
HWND ExcelWindow(const ObjectPtr& excel) {
  if (!excel) return nullptr;
  HWND window = nullptr;
  try {
    window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(excel->Get(u"Hwnd").ToInt32()));
  } catch (...) {
    return nullptr;
  }
  return window != nullptr && IsWindow(window) ? window : nullptr;
}

}  // namespace

int CXVKAddin::CheckProjectWiseDocument() {
  Win32RegistryHive classes(KEY_READ);  // the connector's class key is only looked at
  CWin32ProjectWiseSite site(ExcelWindow(m_pExcel));
  return CProjectWiseCheck(classes, site).Run(m_pExcel);
}

void CXVKAddin::RunImportCommand(int bSelectedRange) {
  if (CheckProjectWiseDocument() == kPwGoOn) RunImport(bSelectedRange);  // the import reports its own failures
}

STDMETHODIMP CXVKAddin::OnRibbonFinish(IDispatch*) {
  return ComBoundary([&] {
    CResourceScope resources;
    RunImportCommand(0);
  });
}

STDMETHODIMP CXVKAddin::OnRibbonRangeImport(IDispatch*) {
  return ComBoundary([&] {
    CResourceScope resources;
    RunImportCommand(1);
  });
}

STDMETHODIMP CXVKAddin::Vellumark_Finish() {
  return ComBoundary([&] {
    CResourceScope resources;
    RunImportCommand(0);
  });
}

STDMETHODIMP CXVKAddin::Vellumark_RangeImport() {
  return ComBoundary([&] {
    CResourceScope resources;
    RunImportCommand(1);
  });
}

STDMETHODIMP CXVKAddin::ImportWorksheet(LONG bSelectedRange) {
  return ComBoundary([&] {
    CResourceScope resources;
    RunImport(bSelectedRange);
  });
}

// ---- Options ---------------------------------------------------------------------------

void CXVKAddin::OptionsCommand() {
  CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
  std::u16string title = u"Options";
  int32_t funcState = ReadOption(options::kFuncState);
  if (funcState == 1 && ReadOption(options::kUseGlobalOption) == 0) {
    title = u"Current Vellumark Options";
  }
  OptionsLauncher::Current().Show(title, funcState);
}

STDMETHODIMP CXVKAddin::OnRibbonOptions(IDispatch*) {
  return ComBoundary([&] {
    CResourceScope resources;
    OptionsCommand();
  });
}

STDMETHODIMP CXVKAddin::Vellumark_Option() {
  return ComBoundary([&] {
    CResourceScope resources;
    OptionsCommand();
  });
}

// ---- Help ------------------------------------------------------------------------------

void CXVKAddin::HelpCommand() { DocumentOpener::Current().Open(HelpFolder() + L"Vellumark.chm"); }

STDMETHODIMP CXVKAddin::OnRibbonHelp(IDispatch*) {
  return ComBoundary([&] {
    CResourceScope resources;
    HelpCommand();
  });
}

STDMETHODIMP CXVKAddin::Vellumark_Help() {
  return ComBoundary([&] {
    CResourceScope resources;
    HelpCommand();
  });
}

// ---- Picture ---------------------------------------------------------------------------

HRESULT CXVKAddin::LoadImage(IPictureDisp** picture) {
  if (!picture) return E_POINTER;
  *picture = nullptr;
  HMODULE module = CServerModule::Instance();
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_ADDIN_IMAGE), L"IMAGE");
  if (!found) return S_FALSE;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  DWORD size = SizeofResource(module, found);
  if (!bytes || size == 0) return S_OK;  // no picture, as the resource could not be read
  auto stream = ComPtr<IStream>::Attach(SHCreateMemStream(static_cast<const BYTE*>(bytes), size));
  if (!stream) return E_OUTOFMEMORY;
  return OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPictureDisp,
                        reinterpret_cast<void**>(picture));
}

STDMETHODIMP CXVKAddin::LoadAutoCADImage(BSTR*, IPictureDisp** ppdispImage) {
  return ComBoundary([&] {
    CResourceScope resources;
    return LoadImage(ppdispImage);
  });
}

STDMETHODIMP CXVKAddin::GetAutoCADImage(IDispatch*, IPictureDisp** ppdispImage) {
  return ComBoundary([&] {
    CResourceScope resources;
    return LoadImage(ppdispImage);
  });
}

}  // namespace vk
