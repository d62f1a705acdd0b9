// Office reaches the add-in's connection and ribbon interfaces, and the add-in reaches Office's
// COMAddIn, through the vtable only. The product and the stand-in host share one declaration of
// those interfaces, so a slot out of place there would pass every other test: here the slots
// are declared again, independently, from the published method order, and called by number.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "addin/class_factory.h"
#include "addin/xvkaddin.h"
#include "fake_excel.h"
#include "recording_messages.h"
#include "test_hive.h"
#include "win32/dispatch_server.h"
#include "win32/raw_com_object.h"
#include "win32/receiver_process.h"

namespace vk {
namespace {

// Slots after IUnknown's three and IDispatch's four.
constexpr int kFirstOwnSlot = 7;

// _IDTExtensibility2: OnConnection, OnDisconnection, OnAddInsUpdate, OnStartupComplete,
// OnBeginShutdown. IRibbonExtensibility: GetCustomUI.
using OnConnectionFn = HRESULT(STDMETHODCALLTYPE*)(void*, IDispatch*, int, IDispatch*, SAFEARRAY**);
using OnDisconnectionFn = HRESULT(STDMETHODCALLTYPE*)(void*, int, SAFEARRAY**);
using CustomFn = HRESULT(STDMETHODCALLTYPE*)(void*, SAFEARRAY**);
using GetCustomUIFn = HRESULT(STDMETHODCALLTYPE*)(void*, BSTR, BSTR*);

template <class Fn>
Fn Slot(void* object, int slot) {
  void* const* table = *static_cast<void* const* const*>(object);
  Fn fn;
  static_assert(sizeof fn == sizeof table[slot]);
  std::memcpy(&fn, &table[slot], sizeof fn);
  return fn;
}

// Office's COMAddIn as a bare table: get_Application, get_Creator, get/put_Description,
// get_ProgId, get_Guid, get/put_Connect, get/put_Object, get_Parent after IDispatch.
constexpr int kComAddInSlots = 18;
constexpr int kPutObjectSlot = 16;
const GUID kIidComAddIn = {0x000C033A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const GUID kIidMsoDispObj = {0x000C0300, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The entry keeps the published object.
struct ComAddInEntry {
  ComAddInEntry() {
    raw.Set(kPutObjectSlot, &PutObject);
    raw.context = this;
  }
  ~ComAddInEntry() {
    if (object) object->Release();
  }
  static HRESULT STDMETHODCALLTYPE PutObject(void* self, IDispatch* value) {
    test::RawComObject& raw = test::RawComObject::From(self);
    raw.Record(kPutObjectSlot);
    auto* entry = static_cast<ComAddInEntry*>(raw.context);
    if (value) value->AddRef();
    if (entry->object) entry->object->Release();
    entry->object = value;
    return S_OK;
  }

  test::RawComObject raw{{IID_IUnknown, IID_IDispatch, kIidMsoDispObj, kIidComAddIn}, kComAddInSlots};
  IDispatch* object = nullptr;
};

const GUID kIidExtensibility = {0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};
const GUID kIidRibbon = {0x000C0396, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const GUID kIidAddin = {0xAAD2F5A7, 0xF4D3, 0x4587, {0x8B, 0xB9, 0x3D, 0x8C, 0x46, 0x0A, 0x6E, 0x69}};

TEST(OfficeVtables, ConnectionRibbonAndComAddInSlotsSitWhereOfficePublishesThem) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  test::TestHive hive;
  test::RecordingMessages messages;
  test::LinkWindowsLock windows;
  std::shared_ptr<fake::FakeExcel> excel =
      fake::FakeExcel::FromJson(R"({"version":"16.0","sheets":[{"name":"S","cells":{"A1":1}}]})");
  IDispatch* application = DispatchServer::Serve(excel->Application());

  IClassFactory* factory = new CClassFactory(&CXVKAddin::Create);
  IUnknown* addin = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&addin)), S_OK);
  factory->Release();
  void* connection = nullptr;
  void* ribbon = nullptr;
  ASSERT_EQ(addin->QueryInterface(kIidExtensibility, &connection), S_OK);
  ASSERT_EQ(addin->QueryInterface(kIidRibbon, &ribbon), S_OK);

  ComAddInEntry comAddIn;
  EXPECT_EQ(Slot<OnConnectionFn>(connection, kFirstOwnSlot)(
                connection, application, 1, static_cast<IDispatch*>(comAddIn.raw.Pointer()), nullptr),
            S_OK);
  EXPECT_TRUE(messages.shown.empty());
  // The add-in published itself through put_Object and called nothing else of the entry.
  std::vector<int> ownSlots;
  for (int slot : comAddIn.raw.called)
    if (slot >= kFirstOwnSlot) ownSlots.push_back(slot);
  EXPECT_EQ(ownSlots, std::vector<int>{kPutObjectSlot});
  ASSERT_NE(comAddIn.object, nullptr);
  IUnknown* published = nullptr;
  EXPECT_EQ(comAddIn.object->QueryInterface(kIidAddin, reinterpret_cast<void**>(&published)), S_OK);
  if (published) published->Release();

  // GetCustomUI answers the ribbon, now that Excel 16 is connected.
  BSTR xml = nullptr;
  EXPECT_EQ(Slot<GetCustomUIFn>(ribbon, kFirstOwnSlot)(ribbon, nullptr, &xml), S_OK);
  ASSERT_NE(xml, nullptr);
  EXPECT_EQ(std::wstring(xml, 10), L"<customUI ");
  SysFreeString(xml);

  // The three custom-array methods tell themselves apart by their results.
  EXPECT_EQ(Slot<CustomFn>(connection, kFirstOwnSlot + 2)(connection, nullptr), E_NOTIMPL);  // OnAddInsUpdate
  EXPECT_EQ(Slot<CustomFn>(connection, kFirstOwnSlot + 3)(connection, nullptr), S_OK);       // OnStartupComplete
  EXPECT_EQ(Slot<CustomFn>(connection, kFirstOwnSlot + 4)(connection, nullptr), E_NOTIMPL);  // OnBeginShutdown

  // OnDisconnection takes the link window away.
  ASSERT_NE(FindWindowW(nullptr, L"EE31D9CE-5075-4dd4-B3B9-431D727FADD0"), nullptr);
  EXPECT_EQ(Slot<OnDisconnectionFn>(connection, kFirstOwnSlot + 1)(connection, 0, nullptr), S_OK);
  EXPECT_EQ(FindWindowW(nullptr, L"EE31D9CE-5075-4dd4-B3B9-431D727FADD0"), nullptr);

  static_cast<IUnknown*>(connection)->Release();
  static_cast<IUnknown*>(ribbon)->Release();
  if (comAddIn.object) {
    comAddIn.object->Release();
    comAddIn.object = nullptr;
  }
  EXPECT_EQ(addin->Release(), 0u);
  application->Release();
  CoUninitialize();
}

}  // namespace
}  // namespace vk
