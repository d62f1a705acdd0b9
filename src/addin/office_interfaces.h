#pragma once
// Office's add-in interfaces, declared from their published identifiers and method order (no
// Office headers or type libraries exist in this tool chain). The vtable layout is the contract:
// Office calls these through the vtable.
#include <windows.h>
#include <ole2.h>
#include <oaidl.h>

// Add-In Designer: how a COM add-in is told that its host connects and disconnects it.
enum ext_ConnectMode {
  ext_cm_AfterStartup = 0,
  ext_cm_Startup = 1,
  ext_cm_External = 2,
  ext_cm_CommandLine = 3,
};

enum ext_DisconnectMode {
  ext_dm_HostShutdown = 0,
  ext_dm_UserClosed = 1,
};

struct _IDTExtensibility2 : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode,
                                                 IDispatch* AddInInst, SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;
};
__CRT_UUID_DECL(_IDTExtensibility2, 0xB65AD801, 0xABAF, 0x11D0, 0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44)

// Office: the ribbon asks the add-in for its customisation XML.
struct IRibbonExtensibility : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) = 0;
};
__CRT_UUID_DECL(IRibbonExtensibility, 0x000C0396, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)

// Office: the base of Office's automation objects.
struct _IMsoDispObj : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Application(IDispatch** ppidisp) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Creator(long* plCreator) = 0;
};
__CRT_UUID_DECL(_IMsoDispObj, 0x000C0300, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)

// Office: one entry of the host's COMAddIns collection. Its Object property is what the
// collection hands to automation clients that ask for the add-in.
struct COMAddIn : public _IMsoDispObj {
  virtual HRESULT STDMETHODCALLTYPE get_Description(BSTR* RetValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Description(BSTR RetValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ProgId(BSTR* RetValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Guid(BSTR* RetValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Connect(VARIANT_BOOL* RetValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Connect(VARIANT_BOOL RetValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Object(IDispatch** RetValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Object(IDispatch* RetValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** retval) = 0;
};
__CRT_UUID_DECL(COMAddIn, 0x000C033A, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)

// Excel's application interface: the add-in asks the object it is given for it.
inline constexpr GUID kIidExcelApplication = {0x000208D5, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
