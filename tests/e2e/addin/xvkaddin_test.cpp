// The add-in object in-process: connection and disconnection, the ribbon, the commands and the
// dispatch interface, with the stand-in Excel served through real COM.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "addin/class_factory.h"
#include "addin/document_opener.h"
#include "addin/options_launcher.h"
#include "addin/server_module.h"
#include "addin/xvkaddin.h"
#include "automation/win32/dispatch_object.h"
#include "link/win32/signal_dialog.h"
#include "fake_excel.h"
#include "import/project_wise_check.h"
#include "import/win32/pw_confirm_dialog.h"
#include "registration_lock.h"
#include "message_table.h"
#include "receiver_log.h"
#include "recording_messages.h"
#include "resource_ids/module_resource_ids.h"
#include "standin_com_add_in.h"
#include "test_hive.h"
#include "text/text_format.h"
#include "automation/win32/win32_text.h"
#include "win32/dispatch_server.h"
#include "win32/fake_com_project_wise_connector.h"
#include "win32/receiver_process.h"
#include "win32/ui_driver.h"

namespace vk {
namespace {

constexpr wchar_t kExpectedRibbon[] =
    L"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">\n"
    L"<ribbon>\n"
    L"<tabs>\n"
    L"<tab id=\"VellumarkTab\" label=\"Vellumark\">\n"
    L"<group id=\"Zelkor_Vellumark_AutoCAD\" label=\"Vellumark For AutoCAD 2019\">\n"
    L"<button id=\"Vellumark_Finish\" imageMso=\"FileCompatibilityChecker\" size=\"large\" label=\"Finish\" onAction=\"OnRibbonFinish\"/>\n"
    L"<button id=\"Vellumark_RangeImport\" imageMso=\"TableInsert\" size=\"large\" label=\"Range Import\" onAction=\"OnRibbonRangeImport\"/>\n"
    L"<button id=\"Vellumark_Options\" imageMso=\"PropertySheet\" size=\"large\" label=\"Options\" onAction=\"OnRibbonOptions\"/>\n"
    L"<button id=\"Vellumark_Help\" imageMso=\"TentativeAcceptInvitation\" size=\"large\" label=\"Help\" onAction=\"OnRibbonHelp\"/>\n"
    L"</group>\n"
    L"</tab>\n"
    L"</tabs>\n"
    L"</ribbon>\n"
    L"</customUI>";

template <class T>
T* As(IUnknown* object, REFIID iid) {
  T* out = nullptr;
  EXPECT_EQ(object->QueryInterface(iid, reinterpret_cast<void**>(&out)), S_OK);
  return out;
}

std::string Json(const char* version) {
  return std::string(R"({"version":")") + version + R"(","sheets":[{"name":"S","cells":{"A1":1}}]})";
}

// One add-in object made by its class factory, the stand-in Excel served over COM, a COMAddIn
// entry, the user and the registry.
class AddIn : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IClassFactory* factory = new CClassFactory(&CXVKAddin::Create);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IXVKAddin, reinterpret_cast<void**>(&addin_)), S_OK);
    factory->Release();
    object_ = static_cast<CXVKAddin*>(addin_);
    connection_ = As<_IDTExtensibility2>(addin_, __uuidof(_IDTExtensibility2));
    ribbon_ = As<IRibbonExtensibility>(addin_, __uuidof(IRibbonExtensibility));
    comAddIn_ = test::StandInComAddIn::Create(L"Vellumark.VK2019");
  }
  void TearDown() override {
    if (connection_) connection_->OnDisconnection(ext_dm_HostShutdown, nullptr);
    if (ribbon_) ribbon_->Release();
    if (connection_) connection_->Release();
    comAddIn_->Release();  // drops the published object too
    if (addin_) {
      EXPECT_EQ(addin_->Release(), 0u);
    }
    if (excelServer_) excelServer_->Release();
    CoUninitialize();
  }

  IDispatch* Excel(const std::string& json) {
    excel_ = fake::FakeExcel::FromJson(json);
    if (excelServer_) excelServer_->Release();
    excelServer_ = DispatchServer::Serve(excel_->Application());
    return excelServer_;
  }
  HRESULT Connect(IDispatch* application, IDispatch* addInInst) {
    return connection_->OnConnection(application, ext_cm_Startup, addInInst, nullptr);
  }

  test::TestHive hive_;
  test::RecordingMessages messages_;
  IXVKAddin* addin_ = nullptr;
  CXVKAddin* object_ = nullptr;
  _IDTExtensibility2* connection_ = nullptr;
  IRibbonExtensibility* ribbon_ = nullptr;
  test::StandInComAddIn* comAddIn_ = nullptr;
  std::shared_ptr<fake::FakeExcel> excel_;
  IDispatch* excelServer_ = nullptr;
};

TEST_F(AddIn, ConnectionKeepsExcelReadsVersionAndPublishesItself) {
  test::LinkWindowsLock windows;
  hive_.WriteNumber(test::kProductPath, u"SupportWMF", 0);
  EXPECT_EQ(Connect(Excel(Json("15.0")), comAddIn_), S_OK);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(object_->m_pExcel);
  EXPECT_EQ(object_->m_nExcelVersion, 15);
  EXPECT_EQ(object_->m_nSupportWMF, 0);
  EXPECT_EQ(object_->m_nStep, 153);

  // The published object is this add-in, reachable as IXVKAddin.
  ASSERT_NE(comAddIn_->PublishedObject(), nullptr);
  IXVKAddin* published = As<IXVKAddin>(comAddIn_->PublishedObject(), IID_IXVKAddin);
  EXPECT_EQ(published, addin_);
  published->Release();

  // The link dialog exists, hidden, under its title.
  ASSERT_NE(object_->SignalDialog(), nullptr);
  HWND link = object_->SignalDialog()->GetSafeHwnd();
  ASSERT_NE(link, nullptr);
  EXPECT_FALSE(IsWindowVisible(link));
  EXPECT_EQ(FindWindowW(nullptr, L"EE31D9CE-5075-4dd4-B3B9-431D727FADD0"), link);

  // A second connection replaces Excel and reads the version again, but keeps the dialog.
  EXPECT_EQ(Connect(Excel(Json("16.0")), comAddIn_), S_OK);
  EXPECT_EQ(object_->m_nExcelVersion, 16);
  EXPECT_EQ(object_->SignalDialog()->GetSafeHwnd(), link);
  EXPECT_EQ(comAddIn_->ObjectPuts(), 2);

  EXPECT_EQ(connection_->OnDisconnection(ext_dm_UserClosed, nullptr), S_OK);
  EXPECT_EQ(object_->SignalDialog(), nullptr);
  EXPECT_FALSE(IsWindow(link));
  EXPECT_TRUE(object_->m_pExcel);  // Excel is kept until the object goes
}

TEST_F(AddIn, WithoutAStoredSupportWMFTheConnectionKeepsTheObjectsValue) {
  test::LinkWindowsLock windows;
  EXPECT_EQ(Connect(Excel(Json("16.0")), comAddIn_), S_OK);
  EXPECT_EQ(object_->m_nSupportWMF, 1);
  object_->m_nSupportWMF = 0;
  EXPECT_EQ(Connect(Excel(Json("16.0")), comAddIn_), S_OK);
  EXPECT_EQ(object_->m_nSupportWMF, 0);
}

TEST_F(AddIn, InitAppWithoutAddInInstanceStoresExcelButReportsTheToolbarStep) {
  test::LinkWindowsLock windows;
  EXPECT_EQ(addin_->InitApp(Excel(Json("16.0"))), S_OK);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text,
            FormatText(u"Failed to add the toolbar: %s: %d", {SystemErrorText(E_POINTER), int64_t{153}}));
  EXPECT_EQ(messages_.shown[0].style, kMbOk | kMbIconWarning);
  EXPECT_TRUE(object_->m_pExcel);
  EXPECT_EQ(object_->m_nExcelVersion, 9);  // not read: the connection stopped before
  EXPECT_EQ(object_->SignalDialog(), nullptr);
  EXPECT_EQ(ribbon_->GetCustomUI(nullptr, nullptr), E_NOTIMPL);
  // The same straight through the connection interface answers 1.
  EXPECT_EQ(Connect(excelServer_, nullptr), S_FALSE);
}

TEST_F(AddIn, AnApplicationWithoutExcelsInterfaceIsReportedAndTheRestGoesOn) {
  test::LinkWindowsLock windows;
  // An automation object that is not Excel's application.
  IDispatch* notExcel = comAddIn_;
  EXPECT_EQ(Connect(notExcel, comAddIn_), S_OK);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, u"Can't get the application object.");
  EXPECT_FALSE(object_->m_pExcel);
  EXPECT_EQ(object_->m_nExcelVersion, 9);
  EXPECT_NE(comAddIn_->PublishedObject(), nullptr);
  EXPECT_NE(object_->SignalDialog(), nullptr);
  // The import ends at once without Excel: before its first step, and without a message.
  const int32_t stepBefore = object_->m_nStep;
  EXPECT_EQ(addin_->ImportWorksheet(0), S_OK);
  EXPECT_EQ(object_->m_nStep, stepBefore);
  EXPECT_EQ(messages_.shown.size(), 1u);
}

// ImportWorksheet runs the import with the caller's argument and passes none of its failures
// on: a selected shape is refused by the import's own message, the worksheet is imported whole.
TEST_F(AddIn, ImportWorksheetImportsWhatItIsAskedForAndAlwaysSucceeds) {
  test::LinkWindowsLock windows;
  ASSERT_EQ(Connect(Excel(R"({"selection":{"shape":"Rectangle 1"},"sheets":[{"name":"S","cells":{"A1":1}}]})"),
                    comAddIn_),
            S_OK);
  EXPECT_EQ(addin_->ImportWorksheet(1), S_OK);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text,
            FormatText(u"Invalid selected range: 0x%x, %d", {int64_t{E_NOINTERFACE}, int64_t{1370}}));
  EXPECT_EQ(object_->m_nStep, 1365);
  EXPECT_EQ(addin_->ImportWorksheet(0), S_OK);  // the worksheet: no selection asked for
  EXPECT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(object_->m_nStep, 1603);
}

TEST_F(AddIn, DisconnectionTellsTheReceiverOnceAndWritesNothingOnTheSecond) {
  test::LinkWindowsLock windows;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::u16string log = FromWide(std::wstring(temp) + L"vk_addin_disconnect_" + std::to_wstring(GetCurrentProcessId()) + L".log");
  test::ReceiverProcess receiver(log);
  ASSERT_TRUE(receiver.Start());
  ASSERT_EQ(Connect(Excel(Json("16.0")), comAddIn_), S_OK);
  EXPECT_EQ(connection_->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
  EXPECT_EQ(addin_->UninitApp(), S_OK);  // no link dialog any more: nothing is sent
  ASSERT_TRUE(receiver.Stop());
  auto entries = test::ReadReceiverLog(log);
  ASSERT_TRUE(entries);
  EXPECT_TRUE(test::SameMessages(test::Rows(*entries), {{test::kEndMessage, 0, 2}}));
  DeleteFileW(reinterpret_cast<const wchar_t*>(log.c_str()));
}

// Released without disconnection (a host that skips it): the link dialog must not stay behind
// with an owner that no longer exists.
TEST_F(AddIn, ReleaseWithoutDisconnectionTakesTheLinkDialogAlong) {
  test::LinkWindowsLock windows;
  ASSERT_EQ(Connect(Excel(Json("16.0")), comAddIn_), S_OK);
  ASSERT_NE(FindWindowW(nullptr, L"EE31D9CE-5075-4dd4-B3B9-431D727FADD0"), nullptr);
  comAddIn_->put_Object(nullptr);
  connection_->Release();
  connection_ = nullptr;
  ribbon_->Release();
  ribbon_ = nullptr;
  EXPECT_EQ(addin_->Release(), 0u);
  addin_ = nullptr;
  EXPECT_EQ(FindWindowW(nullptr, L"EE31D9CE-5075-4dd4-B3B9-431D727FADD0"), nullptr);
}

TEST_F(AddIn, RibbonXmlFromVersion12On) {
  struct Case {
    const char* version;
    HRESULT result;
  };
  for (const Case& c : {Case{"11.0", E_NOTIMPL}, Case{"12.0", S_OK}, Case{"16.0", S_OK}}) {
    SCOPED_TRACE(c.version);
    test::LinkWindowsLock windows;
    ASSERT_EQ(Connect(Excel(Json(c.version)), comAddIn_), S_OK);
    BSTR xml = nullptr;
    BSTR id = SysAllocString(L"Microsoft.Excel.Workbook");
    EXPECT_EQ(ribbon_->GetCustomUI(id, &xml), c.result);
    if (c.result == S_OK) {
      ASSERT_NE(xml, nullptr);
      EXPECT_EQ(std::wstring(xml, SysStringLen(xml)), kExpectedRibbon);
      EXPECT_EQ(ribbon_->GetCustomUI(id, nullptr), E_POINTER);
    } else {
      EXPECT_EQ(xml, nullptr);
    }
    SysFreeString(xml);
    SysFreeString(id);
    connection_->OnDisconnection(ext_dm_HostShutdown, nullptr);
  }
}

// Office calls the ribbon callbacks by name through the object's IDispatch.
TEST_F(AddIn, DispatchResolvesTheInterfaceByName) {
  IDispatch* dispatch = As<IDispatch>(addin_, IID_IDispatch);
  const wchar_t* names[] = {L"LoadAutoCADImage", L"GetAutoCADImage", L"OnRibbonFinish", L"OnRibbonRangeImport",
                            L"OnRibbonOptions", L"OnRibbonHelp", L"InitApp", L"Vellumark_Finish",
                            L"Vellumark_RangeImport", L"Vellumark_Option", L"Vellumark_Help", L"UninitApp",
                            L"ImportWorksheet"};
  for (DISPID expected = 1; const wchar_t* name : names) {
    DISPID id = 0;
    LPOLESTR n = const_cast<LPOLESTR>(name);
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &n, 1, 0, &id), S_OK) << name;
    EXPECT_EQ(id, expected++) << name;
  }
  DISPID id = 0;
  LPOLESTR unknown = const_cast<LPOLESTR>(L"OnRibbonPrint");
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);

  // GetAutoCADImage late-bound with a control argument: a picture comes back.
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_DISPATCH;
  arg.pdispVal = comAddIn_;
  DISPPARAMS params{&arg, nullptr, 1, 0};
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(dispatch->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK);
  EXPECT_EQ(result.vt, VT_DISPATCH);
  VariantClear(&result);

  ISupportErrorInfo* errors = As<ISupportErrorInfo>(addin_, IID_ISupportErrorInfo);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_IXVKAddin), S_OK);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(__uuidof(_IDTExtensibility2)), S_FALSE);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
  errors->Release();
  dispatch->Release();
}

TEST_F(AddIn, PictureIsTheModulesThirtyTwoPixelImage) {
  IPictureDisp* picture = nullptr;
  ASSERT_EQ(addin_->GetAutoCADImage(nullptr, &picture), S_OK);
  ASSERT_NE(picture, nullptr);
  IPicture* pic = As<IPicture>(picture, IID_IPicture);
  SHORT type = 0;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  EXPECT_EQ(pic->get_Type(&type), S_OK);
  EXPECT_EQ(type, PICTYPE_BITMAP);
  pic->get_Width(&width);
  pic->get_Height(&height);
  EXPECT_EQ(MulDiv(width, 96, 2540), 32);
  EXPECT_EQ(MulDiv(height, 96, 2540), 32);
  pic->Release();
  picture->Release();

  BSTR id = SysAllocString(L"anything");
  ASSERT_EQ(addin_->LoadAutoCADImage(&id, &picture), S_OK);
  picture->Release();
  SysFreeString(id);
  EXPECT_EQ(addin_->GetAutoCADImage(nullptr, nullptr), E_POINTER);

  // The resource is the 4150-byte 32-bit bitmap file.
  HRSRC found = FindResourceW(CServerModule::Instance(), MAKEINTRESOURCEW(IDR_ADDIN_IMAGE), L"IMAGE");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(SizeofResource(CServerModule::Instance(), found), 4150u);
}

class RecordingLauncher final : public OptionsLauncher {
 public:
  RecordingLauncher() { SetCurrent(this); }
  ~RecordingLauncher() override { SetCurrent(nullptr); }
  void Show(const std::u16string& title, int32_t funcState) override { shown.push_back({title, funcState}); }
  std::vector<std::pair<std::u16string, int32_t>> shown;
};

TEST_F(AddIn, OptionsCaptionFollowsFuncStateAndUseGlobalOption) {
  struct Case {
    int32_t funcState;
    int32_t useGlobal;
    const char16_t* title;
  };
  const Case cases[] = {
      {0, 0, u"Options"},
      {1, 0, u"Current Vellumark Options"},
      {1, 1, u"Options"},
      {2, 0, u"Options"},
      {3, 0, u"Options"},
  };
  RecordingLauncher launcher;
  for (const Case& c : cases) {
    hive_.WriteNumber(test::kProductPath, u"FuncState", c.funcState);
    hive_.WriteNumber(test::kProductPath, u"UseGlobalOption", c.useGlobal);
    EXPECT_EQ(addin_->OnRibbonOptions(nullptr), S_OK);
    EXPECT_EQ(addin_->Vellumark_Option(), S_OK);
  }
  ASSERT_EQ(launcher.shown.size(), 2 * std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    for (size_t twice = 0; twice < 2; ++twice) {
      EXPECT_EQ(launcher.shown[2 * i + twice].first, cases[i].title) << i;
      EXPECT_EQ(launcher.shown[2 * i + twice].second, cases[i].funcState) << i;
    }
  }
}

class RecordingOpener final : public DocumentOpener {
 public:
  RecordingOpener() { SetCurrent(this); }
  ~RecordingOpener() override { SetCurrent(nullptr); }
  void Open(const std::wstring& path) override { opened.push_back(path); }
  std::vector<std::wstring> opened;
};

TEST_F(AddIn, HelpFileIsFoundFromTheInstallationPath) {
  const wchar_t* key = L"software\\Zelkor\\Zelkor2019\\Vellumark";
  std::wstring module = CServerModule::ModulePath();
  std::wstring moduleFolder = module.substr(0, module.find_last_of(L'\\') + 1);
  struct Case {
    const wchar_t* path;  // null: no value
    std::wstring help;
  };
  const Case cases[] = {
      {L"C:\\Tools\\Vellumark\\", L"C:\\Tools\\Vellumark\\Vellumark.chm"},
      {L"C:\\Tools\\Vellumark", L"C:\\Tools\\Vellumark.chm"},
      {L"", moduleFolder + L"Vellumark.chm"},
      {nullptr, moduleFolder + L"Vellumark.chm"},
  };
  RecordingOpener opener;
  for (const Case& c : cases) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key);
    if (c.path) {
      ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, L"Path", REG_SZ, c.path,
                                static_cast<DWORD>((wcslen(c.path) + 1) * sizeof(wchar_t))),
                ERROR_SUCCESS);
    }
    EXPECT_EQ(addin_->OnRibbonHelp(nullptr), S_OK);
    EXPECT_EQ(addin_->Vellumark_Help(), S_OK);
  }
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, key);
  ASSERT_EQ(opener.opened.size(), 2 * std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(opener.opened[2 * i], cases[i].help) << i;
    EXPECT_EQ(opener.opened[2 * i + 1], cases[i].help) << i;
  }
  EXPECT_TRUE(messages_.shown.empty());
}

// The IDispatch of each dual interface describes, names and invokes that interface's own
// methods, by the DISPIDs Office's and our type libraries give them.
TEST_F(AddIn, EachDualInterfaceAnswersFromItsOwnTypeInformation) {
  struct Case {
    IDispatch* dispatch;
    std::vector<std::wstring> methods;  // by DISPID from 1
    const wchar_t* foreign;             // a method of another of the object's interfaces
  };
  IDispatch* own = As<IDispatch>(addin_, IID_IDispatch);
  const Case cases[] = {
      {own,
       {L"LoadAutoCADImage", L"GetAutoCADImage", L"OnRibbonFinish", L"OnRibbonRangeImport", L"OnRibbonOptions",
        L"OnRibbonHelp", L"InitApp", L"Vellumark_Finish", L"Vellumark_RangeImport", L"Vellumark_Option",
        L"Vellumark_Help", L"UninitApp", L"ImportWorksheet"},
       L"GetCustomUI"},
      {connection_,
       {L"OnConnection", L"OnDisconnection", L"OnAddInsUpdate", L"OnStartupComplete", L"OnBeginShutdown"},
       L"OnRibbonFinish"},
      {ribbon_, {L"GetCustomUI"}, L"OnConnection"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.methods[0].begin(), c.methods[0].end()));
    UINT count = 0;
    EXPECT_EQ(c.dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(c.dispatch->GetTypeInfo(0, 0, &info), S_OK);
    for (DISPID id = 1; id <= static_cast<DISPID>(c.methods.size()); ++id) {
      BSTR name = nullptr;
      UINT names = 0;
      ASSERT_EQ(info->GetNames(id, &name, 1, &names), S_OK) << id;
      EXPECT_EQ(std::wstring(name), c.methods[id - 1]) << id;
      SysFreeString(name);
      // And back from the name through the interface itself.
      LPOLESTR asked = const_cast<LPOLESTR>(c.methods[id - 1].c_str());
      DISPID found = 0;
      EXPECT_EQ(c.dispatch->GetIDsOfNames(IID_NULL, &asked, 1, 0, &found), S_OK);
      EXPECT_EQ(found, id);
    }
    // Nothing past the interface's own methods.
    BSTR beyond = nullptr;
    UINT beyondCount = 0;
    EXPECT_NE(info->GetNames(static_cast<MEMBERID>(c.methods.size() + 1), &beyond, 1, &beyondCount), S_OK);
    SysFreeString(beyond);
    info->Release();
    LPOLESTR foreign = const_cast<LPOLESTR>(c.foreign);
    DISPID id = 0;
    EXPECT_EQ(c.dispatch->GetIDsOfNames(IID_NULL, &foreign, 1, 0, &id), DISP_E_UNKNOWNNAME);
  }
  own->Release();

  // Late bound, the ribbon's DISPID 1 is GetCustomUI, and the connection's DISPID 4
  // OnStartupComplete; DISPID 1 of IXVKAddin is not a ribbon method.
  test::LinkWindowsLock windows;
  ASSERT_EQ(Connect(Excel(Json("16.0")), comAddIn_), S_OK);
  BSTR xml = nullptr;
  VARIANT args[2];
  VariantInit(&args[0]);
  VariantInit(&args[1]);
  args[0].vt = VT_BSTR | VT_BYREF;  // RibbonXml: the last argument comes first
  args[0].pbstrVal = &xml;
  args[1].vt = VT_BSTR;
  args[1].bstrVal = SysAllocString(L"Microsoft.Excel.Workbook");
  DISPPARAMS params{args, nullptr, 2, 0};
  EXPECT_EQ(ribbon_->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
  ASSERT_NE(xml, nullptr);
  EXPECT_EQ(std::wstring(xml, SysStringLen(xml)), kExpectedRibbon);
  SysFreeString(xml);
  VariantClear(&args[1]);
  EXPECT_NE(ribbon_->Invoke(3, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
}

// Commands whose work fails with a C++ exception that is not an automation error.
class ThrowingLauncher final : public OptionsLauncher {
 public:
  ThrowingLauncher() { SetCurrent(this); }
  ~ThrowingLauncher() override { SetCurrent(nullptr); }
  void Show(const std::u16string&, int32_t) override { throw std::runtime_error("sheet failed"); }
};

class ThrowingOpener final : public DocumentOpener {
 public:
  ThrowingOpener() { SetCurrent(this); }
  ~ThrowingOpener() override { SetCurrent(nullptr); }
  void Open(const std::wstring&) override { throw std::bad_alloc(); }
};

// Late-bound call of a method by name, as Office makes a ribbon callback and a script a method
// call; the method's own HRESULT, whether COM hands it back directly or as the exception's code.
HRESULT CallByName(IDispatch* dispatch, const wchar_t* name, IDispatch* control) {
  DISPID id = 0;
  LPOLESTR n = const_cast<LPOLESTR>(name);
  HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, &n, 1, 0, &id);
  if (FAILED(hr)) return hr;
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_DISPATCH;
  arg.pdispVal = control;
  DISPPARAMS params{&arg, nullptr, control ? 1u : 0u, 0};
  EXCEPINFO error{};
  hr = dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, &error, nullptr);
  SysFreeString(error.bstrSource);
  SysFreeString(error.bstrDescription);
  SysFreeString(error.bstrHelpFile);
  return hr == DISP_E_EXCEPTION ? error.scode : hr;
}

TEST_F(AddIn, AnExceptionInACommandComesBackAsAnErrorAndTheAddInGoesOn) {
  IDispatch* dispatch = As<IDispatch>(addin_, IID_IDispatch);
  {
    ThrowingLauncher launcher;
    ThrowingOpener opener;
    EXPECT_EQ(CallByName(dispatch, L"OnRibbonOptions", comAddIn_), E_UNEXPECTED);
    EXPECT_EQ(CallByName(dispatch, L"Vellumark_Option", nullptr), E_UNEXPECTED);
    EXPECT_EQ(CallByName(dispatch, L"OnRibbonHelp", comAddIn_), E_OUTOFMEMORY);
    EXPECT_EQ(CallByName(dispatch, L"Vellumark_Help", nullptr), E_OUTOFMEMORY);
  }
  RecordingLauncher launcher;
  EXPECT_EQ(CallByName(dispatch, L"OnRibbonOptions", comAddIn_), S_OK);
  EXPECT_EQ(addin_->Vellumark_Option(), S_OK);
  EXPECT_EQ(launcher.shown.size(), 2u);
  dispatch->Release();
}

// The ProjectWise confirmation dialog as Finish shows it: its owner and its place.
struct ConfirmationSeen {
  bool shown = false;
  HWND owner = nullptr;
  LONG_PTR style = 0;
  RECT place{};
};

// Finish with a checked-out ProjectWise document: the connector installed (its class key) and
// offered among Excel's COM add-ins; the confirmation dialog is answered with Cancel.
ConfirmationSeen FinishWithACheckedOutDocument(IXVKAddin* addin) {
  ConfirmationSeen seen;
  test::UiDriver ui;
  ui.Then([&] {
    HWND dialog = ui.LastDialog();
    if (dialog == nullptr || GetDlgItem(dialog, IDC_PW_FREE) == nullptr || !IsWindowVisible(dialog)) return false;
    seen.shown = true;
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.style = GetWindowLongPtrW(dialog, GWL_STYLE);
    GetWindowRect(dialog, &seen.place);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return true;
  });
  EXPECT_EQ(addin->OnRibbonFinish(nullptr), S_OK);
  EXPECT_TRUE(ui.Done());
  return seen;
}

// Excel's main window comes from Application.Hwnd: the confirmation dialog is owned by it (a
// top-level window, not a child) and opens centred over it. When the member fails or answers
// something that is no window, the dialog has no owner and is centred on the work area, and the
// command goes on as before.
TEST_F(AddIn, TheConfirmationDialogIsOwnedByExcelsWindowFromApplicationHwnd) {
  // The connector's class key is machine-wide; taken in the order the host's runs take them.
  test::RegistrationLock registration;
  test::LinkWindowsLock windows;
  const std::wstring classKey = W(CProjectWiseCheck::InstalledKeyPath());
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, classKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  HWND excelWindow = CreateWindowExW(0, L"STATIC", L"Excel", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 240, 160, 880, 560,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(excelWindow, nullptr);
  RECT workArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);

  enum class Answer { TheWindow, Fails, AnObject, NoWindow };
  std::vector<std::u16string> baseline;
  auto shownTexts = [this] {
    std::vector<std::u16string> texts;
    for (const test::ShownMessage& message : messages_.shown) texts.push_back(message.text);
    return texts;
  };
  for (Answer answer : {Answer::TheWindow, Answer::Fails, Answer::AnObject, Answer::NoWindow}) {
    SCOPED_TRACE(static_cast<int>(answer));
    messages_.shown.clear();
    Excel(R"({"workbook":"Pump schedule.xlsx","sheets":[{"name":"S","cells":{"A1":1}}]})");
    excel_->hwnd = static_cast<int32_t>(reinterpret_cast<LONG_PTR>(excelWindow));
    if (answer == Answer::Fails) excel_->FailMember("Application.Hwnd");
    if (answer == Answer::AnObject) excel_->AnswerMember("Application.Hwnd", fake::FakeExcel::Unexpected::WrongType);
    if (answer == Answer::NoWindow) excel_->hwnd = 0x7ffffff0;  // a number no window has
    auto script = std::make_shared<fake::FakeProjectWiseConnector>();
    script->script() = {0, u"pw://Plant/Pump schedule.xlsx"};
    fake::FakeComProjectWiseConnector* connector = fake::FakeComProjectWiseConnector::Create(script);
    excel_->comAddIns.push_back({u"VellumarkPW.Connect", DispatchObject::Wrap(connector), u"Vellumark for ProjectWise"});
    connector->Release();
    ASSERT_EQ(Connect(excelServer_, comAddIn_), S_OK);

    const ConfirmationSeen seen = FinishWithACheckedOutDocument(addin_);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(excel_->CallCount("Application.Hwnd"), 1u);
    EXPECT_EQ(seen.style & WS_CHILD, 0);
    const LONG centreX = (seen.place.left + seen.place.right) / 2, centreY = (seen.place.top + seen.place.bottom) / 2;
    if (answer == Answer::TheWindow) {
      EXPECT_EQ(seen.owner, excelWindow);
      EXPECT_NEAR(centreX, 240 + 880 / 2, 3);
      EXPECT_NEAR(centreY, 160 + 560 / 2, 3);
      baseline = shownTexts();
    } else {
      EXPECT_EQ(seen.owner, nullptr);
      EXPECT_NEAR(centreX, (workArea.left + workArea.right) / 2, 3);
      EXPECT_NEAR(centreY, (workArea.top + workArea.bottom) / 2, 3);
      // Nothing said about the window: the user hears what Finish says anyway.
      EXPECT_EQ(shownTexts(), baseline);
    }
    // The user's Cancel leaves the server copy checked out and the import goes on.
    EXPECT_EQ(script->calls().front(), fake::ConnectorCall::Query());
  }
  DestroyWindow(excelWindow);
  RegDeleteKeyW(HKEY_CLASSES_ROOT, classKey.c_str());
}

TEST(AddInFactory, UnlockWithoutALockLeavesTheCountAlone) {
  IClassFactory* factory = new CClassFactory(&CXVKAddin::Create);
  const long before = CServerModule::LockCount();
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(CServerModule::LockCount(), before);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  EXPECT_EQ(CServerModule::LockCount(), before + 1);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(CServerModule::LockCount(), before);
  factory->Release();
}

TEST(AddInFactory, AggregationHandsOutTheInnerUnknown) {
  IClassFactory* factory = new CClassFactory(&CXVKAddin::Create);
  IUnknown* outer = test::StandInComAddIn::Create(L"outer");
  IXVKAddin* wrong = nullptr;
  EXPECT_EQ(factory->CreateInstance(outer, IID_IXVKAddin, reinterpret_cast<void**>(&wrong)), CLASS_E_NOAGGREGATION);
  IUnknown* inner = nullptr;
  ASSERT_EQ(factory->CreateInstance(outer, IID_IUnknown, reinterpret_cast<void**>(&inner)), S_OK);
  IXVKAddin* addin = As<IXVKAddin>(inner, IID_IXVKAddin);
  IUnknown* identity = As<IUnknown>(addin, IID_IUnknown);
  EXPECT_EQ(identity, outer);  // the aggregated object's IUnknown is the outer object's
  identity->Release();
  addin->Release();
  EXPECT_EQ(inner->Release(), 0u);
  outer->Release();
  factory->Release();
}

}  // namespace
}  // namespace vk
