#pragma once
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <memory>
#include <string>

#include "addin/com_object_root.h"
#include "addin/office_interfaces.h"
#include "addin/type_info_holder.h"
#include "addin/type_library.h"
#include "import/import_driver.h"

namespace vk {

class CSignalDialog;

// The add-in object Excel creates and connects. It keeps Excel's application while connected,
// publishes itself as the COM add-in's automation object, owns the hidden link dialog, and runs
// the commands of the ribbon and of IXVKAddin. Apartment-threaded: Excel calls it on its user
// interface thread only.
class CXVKAddin final : public CComObjectRoot,
                        public ISupportErrorInfo,
                        public CDispatchImpl<IXVKAddin, &LoadXVKAddinTypeInfo>,
                        public CDispatchImpl<_IDTExtensibility2, &LoadExtensibilityTypeInfo>,
                        public CDispatchImpl<IRibbonExtensibility, &LoadRibbonTypeInfo>,
                        public CImportDriver {
 public:
  // The class factory's creator: a new object, aggregated when outer is given.
  static IUnknown* Create(IUnknown* outer);

  VK_DELEGATING_UNKNOWN()

  // ISupportErrorInfo
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

  // IDispatch comes from each interface's CDispatchImpl, so each answers from its own type
  // information; the object's own IDispatch (through which Office resolves the ribbon
  // callbacks by name) is IXVKAddin's.

  // IXVKAddin
  STDMETHODIMP LoadAutoCADImage(BSTR* pbstrImageId, IPictureDisp** ppdispImage) override;
  STDMETHODIMP GetAutoCADImage(IDispatch* pControl, IPictureDisp** ppdispImage) override;
  STDMETHODIMP OnRibbonFinish(IDispatch* pIDispControl) override;
  STDMETHODIMP OnRibbonRangeImport(IDispatch* pDispControl) override;
  STDMETHODIMP OnRibbonOptions(IDispatch* pDispControl) override;
  STDMETHODIMP OnRibbonHelp(IDispatch* pDispControl) override;
  STDMETHODIMP InitApp(IDispatch* Application) override;
  STDMETHODIMP Vellumark_Finish() override;
  STDMETHODIMP Vellumark_RangeImport() override;
  STDMETHODIMP Vellumark_Option() override;
  STDMETHODIMP Vellumark_Help() override;
  STDMETHODIMP UninitApp() override;
  STDMETHODIMP ImportWorksheet(LONG bSelectedRange) override;

  // _IDTExtensibility2
  STDMETHODIMP OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst,
                            SAFEARRAY** custom) override;
  STDMETHODIMP OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) override;
  STDMETHODIMP OnAddInsUpdate(SAFEARRAY** custom) override;
  STDMETHODIMP OnStartupComplete(SAFEARRAY** custom) override;
  STDMETHODIMP OnBeginShutdown(SAFEARRAY** custom) override;

  // IRibbonExtensibility
  STDMETHODIMP GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;

  // Before a ribbon or command import: 6 lets the import run, 7 stops it.
  int CheckProjectWiseDocument();
  // The link dialog, null when none was created or it is gone after disconnection.
  CSignalDialog* SignalDialog() const { return m_pSignalDialog.get(); }

 private:
  explicit CXVKAddin(IUnknown* outer);
  ~CXVKAddin() override;

  void* FindInterface(REFIID iid) override;
  void RunImportCommand(int bSelectedRange);
  void OptionsCommand();
  void HelpCommand();
  HRESULT LoadImage(IPictureDisp** picture);

  std::unique_ptr<CSignalDialog> m_pSignalDialog;  // the object behind m_pLink
};

// Where the Help command finds the help file: the folder of the installation's "Path" value,
// else the add-in module's folder, always with a trailing backslash.
std::wstring HelpFolder();

}  // namespace vk
