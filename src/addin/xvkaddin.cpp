#include "addin/xvkaddin.h"

#include <cstdlib>
#include <exception>
#include <string>

#include "addin/com_boundary.h"
#include "addin/resource_scope.h"
#include "automation/com_error.h"
#include "automation/win32/com_ptr.h"
#include "automation/win32/dispatch_object.h"
#include "link/win32/signal_dialog.h"
#include "settings/option_table.h"
#include "settings/registry.h"
#include "text/text_format.h"
#include "ui/user_messages.h"
#include "automation/win32/win32_text.h"

namespace vk {

namespace {

// Checkpoints of the connection code carry a tag ending in ".h", those of the import ".cpp".
constexpr char16_t kConnectionTag[] = u"xvkaddin.h";

// Integer part of Excel's version text ("16.0" gives 16): digits up to the decimal point.
int32_t MajorVersion(const std::u16string& text) {
  std::string narrow(text.begin(), text.end());
  return static_cast<int32_t>(std::strtod(narrow.c_str(), nullptr));
}

}  // namespace

IUnknown* CXVKAddin::Create(IUnknown* outer) {
  CXVKAddin* object = new (std::nothrow) CXVKAddin(outer);
  return object ? object->InnerUnknown() : nullptr;
}

CXVKAddin::CXVKAddin(IUnknown* outer) : CComObjectRoot(outer) {}

// The application reference and the log (which writes its closing line) go with the import
// state. The link dialog is disconnection's to end; but when the object goes without having been
// disconnected, its window must not outlive it: the window's owner pointer would dangle for the
// CAD side's next import request, and the module could be unloaded under a live window. It goes
// quietly then, without the disconnection's end message.
CXVKAddin::~CXVKAddin() {
  m_pLink = nullptr;
  m_pSignalDialog.reset();  // the dialog destroys its window
}

void* CXVKAddin::FindInterface(REFIID iid) {
  if (IsEqualIID(iid, IID_IXVKAddin) || IsEqualIID(iid, IID_IDispatch)) return static_cast<IXVKAddin*>(this);
  if (IsEqualIID(iid, IID_ISupportErrorInfo)) return static_cast<ISupportErrorInfo*>(this);
  if (IsEqualIID(iid, __uuidof(_IDTExtensibility2))) return static_cast<_IDTExtensibility2*>(this);
  if (IsEqualIID(iid, __uuidof(IRibbonExtensibility))) return static_cast<IRibbonExtensibility*>(this);
  return nullptr;
}

STDMETHODIMP CXVKAddin::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IXVKAddin) ? S_OK : S_FALSE;
}

// ---- Connection -------------------------------------------------------------------------

STDMETHODIMP CXVKAddin::OnConnection(IDispatch* Application, ext_ConnectMode, IDispatch* AddInInst,
                                     SAFEARRAY**) {
  return ComBoundary([&]() -> HRESULT {
    CResourceScope resources;
    Mark(150, kConnectionTag);
    CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
    Mark(153, kConnectionTag);
    // Without a stored value the object keeps what it has (1 when new).
    m_nSupportWMF = ReadOption(options::kSupportWMF, kProductKey, m_nSupportWMF);
    try {
      ComPtr<IDispatch> excel;
      if (!Application ||
          FAILED(Application->QueryInterface(kIidExcelApplication, reinterpret_cast<void**>(excel.Out())))) {
        excel.Reset();
        ShowWarning(u"Can't get the application object.");
      }
      // Without Excel the connection goes on: the add-in is still published and its link dialog
      // still answers the CAD side (imports then end at once with 1300). Nothing below calls
      // through the empty reference.
      m_pExcel = DispatchObject::Wrap(excel.Get());

      ComPtr<COMAddIn> addIn;
      if (AddInInst) {
        HRESULT hr = AddInInst->QueryInterface(__uuidof(COMAddIn), reinterpret_cast<void**>(addIn.Out()));
        if (FAILED(hr) && hr != E_NOINTERFACE) throw ComError(hr, SystemErrorText(hr));
        if (FAILED(hr)) addIn.Reset();
      }
      if (!addIn) throw ComError(E_POINTER, SystemErrorText(E_POINTER));
      HRESULT hr = addIn->put_Object(static_cast<IXVKAddin*>(this));
      if (FAILED(hr)) throw ComError(hr, SystemErrorText(hr));

      if (m_pExcel) m_nExcelVersion = MajorVersion(m_pExcel->Get(u"Version").ToString());

      if (!m_pSignalDialog) {
        m_pSignalDialog = std::make_unique<CSignalDialog>(this);
        if (m_pSignalDialog->Create()) {
          ::ShowWindow(m_pSignalDialog->GetSafeHwnd(), SW_HIDE);
        } else {
          ShowWarning(u"Can't initialize Vellumark add-in.");
        }
        m_pLink = m_pSignalDialog.get();
      }
      return S_OK;
    } catch (const ComError& e) {
      ShowWarning(FormatText(u"Failed to add the toolbar: %s: %d", {e.ErrorMessage(), int64_t{m_nStep}}));
    } catch (...) {
      ShowWarning(FormatText(u"Unknown fatal error raised: %d.", {int64_t{m_nStep}}));
    }
    return S_FALSE;
  });
}

STDMETHODIMP CXVKAddin::OnDisconnection(ext_DisconnectMode, SAFEARRAY**) {
  return ComBoundary([&]() -> HRESULT {
    CResourceScope resources;
    try {
      m_log.WriteLine(kConnectionTag, 452);
      m_log.WriteLine(kConnectionTag, 463);
      if (m_pSignalDialog) {
        m_pSignalDialog->EndLink(kLinkEndDisconnecting);
        m_pLink = nullptr;
        m_pSignalDialog.reset();  // the dialog destroys its window
      }
      m_log.WriteLine(kConnectionTag, 472);
      m_log.WriteLine(kConnectionTag, 487);
      return S_OK;
    } catch (const ComError& e) {
      ShowWarning(FormatText(u"Failed to disconnect from Excel: %s", {e.ErrorMessage()}));
    } catch (...) {
      ShowWarning(u"Unknown fatal error in ondisconnect.");
    }
    return S_FALSE;
  });
}

STDMETHODIMP CXVKAddin::OnAddInsUpdate(SAFEARRAY**) { return E_NOTIMPL; }

STDMETHODIMP CXVKAddin::OnStartupComplete(SAFEARRAY**) { return S_OK; }

STDMETHODIMP CXVKAddin::OnBeginShutdown(SAFEARRAY**) { return E_NOTIMPL; }

STDMETHODIMP CXVKAddin::InitApp(IDispatch* Application) {
  return ComBoundary([&] {
    CResourceScope resources;
    OnConnection(Application, ext_cm_AfterStartup, nullptr, nullptr);
  });
}

STDMETHODIMP CXVKAddin::UninitApp() {
  return ComBoundary([&] {
    CResourceScope resources;
    OnDisconnection(ext_dm_UserClosed, nullptr);
  });
}

}  // namespace vk
