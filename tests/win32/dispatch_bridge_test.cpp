#include "automation/win32/dispatch_object.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "automation/com_error.h"
#include "automation/win32/win32_text.h"
#include "win32/system_text.h"
#include "win32/dispatch_server.h"

namespace vk {
namespace {

constexpr int32_t kExcelAppError = static_cast<int32_t>(0x800A03EC);
constexpr Guid kOtherIid{0x0002084D, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// A small object that records what reached it and answers a few members the way Excel's do.
class Recorder final : public AutomationObject {
 public:
  struct Call {
    std::u16string member;
    InvokeKind kind;
    std::vector<Variant> args;
    uint32_t lcid;
  };

  explicit Recorder(Guid type = {}) : type_(type) {}

  Variant Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant> args,
                 uint32_t lcid) override {
    calls.push_back({std::u16string(member), kind, {args.begin(), args.end()}, lcid});
    if (member == u"Item") return Variant::String(args[0].ToString() + u"," + args[1].ToString());
    if (member == u"Value" && kind == InvokeKind::PropertyPut) value_ = args.back();
    if (member == u"Value") return value_;
    if (member == u"Add") return Variant::I4(args[0].ToInt32() + args[1].ToInt32());
    if (member == u"Child") return Variant::Object(std::make_shared<Recorder>(type_));
    if (member == u"Nothing") return Variant::Object(nullptr);
    if (member == u"Echo") return args[0];
    if (member == u"Fail") throw ComError(kExcelAppError, u"The sheet is protected.");
    if (member == u"Busy") throw ComError(kExcelBusy);
    if (member == u"ReadOnly") throw ComError(kDispEMemberNotFound);
    return {};
  }
  ObjectPtr QueryInterface(const Guid& iid) override {
    if (iid == kOtherIid) return std::make_shared<Recorder>(iid);
    throw ComError(kENoInterface);
  }
  Guid InterfaceId() const override { return type_; }

  std::vector<Call> calls;

 private:
  Guid type_;
  Variant value_ = Variant::R8(1.5);
};

// The recorder served as a real IDispatch and reached through the product's bridge.
ObjectPtr ThroughCom(const std::shared_ptr<Recorder>& recorder) {
  IDispatch* server = DispatchServer::Serve(recorder);
  ObjectPtr object = DispatchObject::Wrap(server);
  server->Release();
  return object;
}

ComError ErrorOf(auto&& call) {
  try {
    call();
  } catch (const ComError& e) {
    return e;
  }
  ADD_FAILURE() << "no ComError";
  return ComError(kSOk);
}

TEST(DispatchBridge, CallsArriveWithTheirKindArgumentsAndLocale) {
  auto recorder = std::make_shared<Recorder>();
  ObjectPtr object = ThroughCom(recorder);

  EXPECT_EQ(object->Get(u"Item", {Variant::I4(3), Variant::String(u"B")}, 1024), Variant::String(u"3,B"));
  object->Put(u"Value", Variant::String(u"x"), 1024);
  EXPECT_EQ(object->Get(u"Value"), Variant::String(u"x"));
  EXPECT_EQ(object->Call(u"Add", {Variant::I2(2), Variant::R8(40)}), Variant::I4(42));
  object->Call(u"Find", {Variant::String(u"a"), Variant::Missing(), Variant::Missing()});

  ASSERT_EQ(recorder->calls.size(), 5u);
  const auto& get = recorder->calls[0];
  EXPECT_EQ(get.kind, InvokeKind::PropertyGet);
  EXPECT_EQ(get.args, (std::vector<Variant>{Variant::I4(3), Variant::String(u"B")}));
  EXPECT_EQ(get.lcid, 1024u);
  const auto& put = recorder->calls[1];
  EXPECT_EQ(put.kind, InvokeKind::PropertyPut);
  EXPECT_EQ(put.args, std::vector<Variant>{Variant::String(u"x")});
  EXPECT_EQ(put.lcid, 1024u);
  EXPECT_EQ(recorder->calls[2].lcid, 0u);
  EXPECT_EQ(recorder->calls[3].kind, InvokeKind::Method);
  EXPECT_EQ(recorder->calls[3].args, (std::vector<Variant>{Variant::I2(2), Variant::R8(40)}));
  const auto& find = recorder->calls[4];
  ASSERT_EQ(find.args.size(), 3u);
  EXPECT_TRUE(find.args[1].IsMissing());
  EXPECT_TRUE(find.args[2].IsMissing());
}

TEST(DispatchBridge, ObjectsComeBackAsObjectsAndNothingAsNothing) {
  auto recorder = std::make_shared<Recorder>();
  ObjectPtr object = ThroughCom(recorder);

  Variant child = object->Get(u"Child");
  ASSERT_EQ(child.Type(), VarType::Dispatch);
  ASSERT_NE(DispatchObject::RawDispatch(child.ObjectValue()), nullptr);
  EXPECT_EQ(child.ObjectValue()->Get(u"Value"), Variant::R8(1.5));

  Variant nothing = object->Get(u"Nothing");
  EXPECT_EQ(nothing.Type(), VarType::Dispatch);
  EXPECT_EQ(nothing.ObjectValue(), nullptr);

  // An object handed over as an argument reaches the server as the object it serves.
  object->Call(u"Echo", {child});
  EXPECT_NE(dynamic_cast<Recorder*>(recorder->calls.back().args[0].ObjectValue().get()), nullptr);
}

TEST(DispatchBridge, FailuresBecomeComErrorsWithCodeAndText) {
  ObjectPtr object = ThroughCom(std::make_shared<Recorder>());

  // An exception the object reports: its own code with the system's text for it, not the
  // description the object attaches.
  ComError failed = ErrorOf([&] { object->Call(u"Fail"); });
  EXPECT_EQ(failed.Error(), kExcelAppError);
  EXPECT_EQ(failed.ErrorMessage(), u"Unknown error 0x800A03EC");  // the system has no text for it

  // Codes Invoke returns directly: the code and the system's text for it.
  const struct {
    const char16_t* member;
    int32_t code;
    std::u16string_view windows, wine;
  } direct[] = {{u"Busy", kExcelBusy, u"Unknown error 0x800AC472", u"Unknown error 0x800AC472"},
                {u"ReadOnly", kDispEMemberNotFound, u"Member not found.", u"Unknown error 0x80020003"}};
  for (const auto& d : direct) {
    ComError error = ErrorOf([&] { object->Put(d.member, Variant::I4(1)); });
    EXPECT_EQ(error.Error(), d.code);
    EXPECT_TRUE(test::IsSystemText(error.ErrorMessage(), d.windows, d.wine));
  }

  ComError refused = ErrorOf([&] { object->QueryInterface(kIidExcelRange); });
  EXPECT_EQ(refused.Error(), kENoInterface);
  EXPECT_TRUE(test::IsSystemText(refused.ErrorMessage(), u"No such interface supported", u"Unknown error 0x80004002"));

  ObjectPtr other = object->QueryInterface(kOtherIid);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->InterfaceId(), kOtherIid);
}

TEST(DispatchBridge, NamesAreLookedUpOncePerInterfaceType) {
  // A type of its own, so no earlier test has filled its cache.
  const Guid type{0x5A1D0001, 0x1, 0x2, {1, 2, 3, 4, 5, 6, 7, 8}};
  ObjectPtr first = ThroughCom(std::make_shared<Recorder>(type));
  ObjectPtr second = ThroughCom(std::make_shared<Recorder>(type));

  long before = DispatchServer::NameLookups();
  for (int i = 0; i < 3; ++i) {
    first->Get(u"Value");
    second->Get(u"Value");
    second->Call(u"Add", {Variant::I4(i), Variant::I4(1)});
  }
  EXPECT_EQ(DispatchServer::NameLookups() - before, 2);  // "Value" and "Add", once each
  EXPECT_EQ(first->InterfaceId(), type);

  // Without type information each object keeps its own names.
  ObjectPtr plain1 = ThroughCom(std::make_shared<Recorder>());
  ObjectPtr plain2 = ThroughCom(std::make_shared<Recorder>());
  before = DispatchServer::NameLookups();
  for (int i = 0; i < 3; ++i) {
    plain1->Get(u"Value");
    plain2->Get(u"Value");
  }
  EXPECT_EQ(DispatchServer::NameLookups() - before, 2);
}

// An automation object with its own DISPIDs and no type information, as some servers are:
// counts what it is asked and notes the DISPIDs it is invoked with.
class OwnIdsDispatch final : public IDispatch {
 public:
  explicit OwnIdsDispatch(DISPID valueId) : valueId_(valueId) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    ++typeInfoQueries;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
    ++nameLookups;
    if (std::wstring(names[0]) != L"Value") return DISP_E_UNKNOWNNAME;
    ids[0] = valueId_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) override {
    if (id != valueId_) return DISP_E_MEMBERNOTFOUND;
    invoked.push_back(id);
    if (result) VariantInit(result);
    return S_OK;
  }

  ULONG refs = 1;
  int typeInfoQueries = 0;
  int nameLookups = 0;
  std::vector<DISPID> invoked;

 private:
  DISPID valueId_;
};

// Two interfaces may give the same member name different DISPIDs: names are kept per interface
// the caller holds the object as, once for the process, and such a caller never makes the
// object describe itself. An object of unknown interface without type information keeps its own.
TEST(DispatchBridge, MemberNamesAreKeptPerNamedInterface) {
  // Interfaces of their own, so no earlier test has filled their caches.
  const Guid first{0x5A1D0002, 0x1, 0x2, {1, 2, 3, 4, 5, 6, 7, 8}};
  const Guid second{0x5A1D0003, 0x1, 0x2, {1, 2, 3, 4, 5, 6, 7, 8}};
  OwnIdsDispatch a(10), b(20), a2(10), unknown(30);
  {
    ObjectPtr objectA = DispatchObject::Wrap(&a);
    ObjectPtr objectB = DispatchObject::Wrap(&b);
    ObjectPtr objectA2 = DispatchObject::Wrap(&a2);
    ObjectPtr objectUnknown = DispatchObject::Wrap(&unknown);
    for (int i = 0; i < 2; ++i) {
      objectA->InvokeAs(first, u"Value", InvokeKind::PropertyGet, {}, 0);
      objectB->InvokeAs(second, u"Value", InvokeKind::PropertyGet, {}, 0);
      objectA2->InvokeAs(first, u"Value", InvokeKind::PropertyGet, {}, 0);
      objectUnknown->Get(u"Value");
    }
  }
  EXPECT_EQ(a.invoked, (std::vector<DISPID>{10, 10}));
  EXPECT_EQ(b.invoked, (std::vector<DISPID>{20, 20}));
  EXPECT_EQ(a2.invoked, (std::vector<DISPID>{10, 10}));
  EXPECT_EQ(a.nameLookups + a2.nameLookups, 1);
  EXPECT_EQ(b.nameLookups, 1);
  EXPECT_EQ(a.typeInfoQueries + b.typeInfoQueries + a2.typeInfoQueries, 0);
  EXPECT_EQ(unknown.invoked, (std::vector<DISPID>{30, 30}));
  EXPECT_EQ(unknown.nameLookups, 1);
  for (const OwnIdsDispatch* o : {&a, &b, &a2, &unknown}) EXPECT_EQ(o->refs, 1u);
}

TEST(DispatchBridge, ReferencesAreReleasedWithTheLastHolder) {
  auto recorder = std::make_shared<Recorder>();
  std::weak_ptr<Recorder> watch = recorder;
  {
    ObjectPtr object = ThroughCom(recorder);
    recorder.reset();
    Variant child = object->Get(u"Child");
    Variant echoed = object->Call(u"Echo", {child});
    EXPECT_EQ(echoed.ObjectValue()->Get(u"Value"), Variant::R8(1.5));
    EXPECT_FALSE(watch.expired());
  }
  // The wrapper's Release freed the server, and with it the served object.
  EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace vk
