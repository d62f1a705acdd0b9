// The ProjectWise connector's method table over real COM, with the stand-in COM connector.
#include "import/win32/com_project_wise_connector.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/com_error.h"
#include "automation/win32/dispatch_object.h"
#include "fake_project_wise_connector.h"
#include "automation/win32/win32_text.h"
#include "win32/system_text.h"
#include "win32/fake_com_project_wise_connector.h"
#include "win32/raw_com_object.h"

namespace vk {
namespace {

using fake::ConnectorCall;
using fake::FakeComProjectWiseConnector;
using fake::FakeProjectWiseConnector;

constexpr char16_t kDocument[] = u"pw://Plant/Documents/Pumps.xlsx";

// The connector's COM object with its script.
struct ComConnector {
  ComConnector() : com(FakeComProjectWiseConnector::Create(script)) {}
  ~ComConnector() { com->Release(); }
  ComConnector(const ComConnector&) = delete;
  ComConnector& operator=(const ComConnector&) = delete;

  std::shared_ptr<FakeProjectWiseConnector> script = std::make_shared<FakeProjectWiseConnector>();
  FakeComProjectWiseConnector* com;
};

ComError ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const ComError& e) {
    return e;
  }
  ADD_FAILURE() << "no ComError";
  return ComError(kSOk);
}

// The connector as a bare method table, declared apart from the product's interface: the
// wrapper must reach QueryDocument at slot 8, ReleaseDocument at 9 and SetTablePath at 11.
struct RawConnector {
  static constexpr int kSlots = 12;

  RawConnector() {
    raw.context = this;
    raw.Set(8, &Query);
    raw.Set(9, &Release);
    raw.Set(11, &TablePath);
  }
  static RawConnector& Of(void* self) {
    test::RawComObject& raw = test::RawComObject::From(self);
    return *static_cast<RawConnector*>(raw.context);
  }
  static HRESULT STDMETHODCALLTYPE Query(void* self, BSTR* document, LONG* status) {
    Of(self).raw.Record(8);
    *document = SysAllocString(L"pw://Plant/Documents/Pumps.xlsx");
    *status = 0;
    return S_OK;
  }
  static HRESULT STDMETHODCALLTYPE Release(void* self, BSTR document, LONG mode) {
    Of(self).raw.Record(9);
    Of(self).texts.push_back(FromWide(document) + u" " + FromWide(std::to_wstring(mode)));
    return S_OK;
  }
  static HRESULT STDMETHODCALLTYPE TablePath(void* self, BSTR path) {
    Of(self).raw.Record(11);
    Of(self).texts.push_back(FromWide(path));
    return S_OK;
  }

  // {4F0485EF-CBC0-4A33-8DE9-253CF76D5F64}, the connector's interface.
  test::RawComObject raw{{IID_IUnknown,
                          IID_IDispatch,
                          {0x4F0485EF, 0xCBC0, 0x4A33, {0x8D, 0xE9, 0x25, 0x3C, 0xF7, 0x6D, 0x5F, 0x64}}},
                         kSlots};
  std::vector<std::u16string> texts;
};

TEST(ProjectWiseConnectorCom, OperationsReachSlotsEightNineAndEleven) {
  RawConnector connector;
  ProjectWiseConnectorPtr wrapped = CComProjectWiseConnector::Open(static_cast<IUnknown*>(connector.raw.Pointer()));
  ASSERT_TRUE(wrapped);
  std::u16string document;
  EXPECT_EQ(wrapped->QueryDocument(document), 0);
  EXPECT_EQ(document, kDocument);
  wrapped->ReleaseDocument(u"doc", 1013);
  wrapped->SetTablePath(u"?");
  EXPECT_EQ(connector.raw.called, (std::vector<int>{8, 9, 11}));
  EXPECT_EQ(connector.texts, (std::vector<std::u16string>{u"doc 1013", u"?"}));
  wrapped.reset();
  EXPECT_EQ(connector.raw.refs, 1u);  // the wrapper's reference went with it
}

TEST(ProjectWiseConnectorCom, PassesTextsWholeAndRaisesFailingResults) {
  ComConnector connector;
  const std::u16string japanese = u"pw://\u30D7\u30E9\u30F3\u30C8/\u30DD\u30F3\u30D7.xlsx";
  connector.script->script() = {50000, japanese};
  ProjectWiseConnectorPtr wrapped = CComProjectWiseConnector::Open(connector.com);
  ASSERT_TRUE(wrapped);

  std::u16string document;
  EXPECT_EQ(wrapped->QueryDocument(document), 50000);
  EXPECT_EQ(document, japanese);
  wrapped->ReleaseDocument(japanese, 1010);
  wrapped->SetTablePath(u"");
  EXPECT_EQ(connector.script->calls(),
            (std::vector<ConnectorCall>{ConnectorCall::Query(), ConnectorCall::Release(japanese, 1010),
                                        ConnectorCall::TablePath(u"")}));

  const int32_t rpcFailed = static_cast<int32_t>(0x800706BE);
  connector.script->script().queryFails = rpcFailed;
  connector.script->script().releaseFails = kEFail;
  connector.script->script().setTablePathFails = kEInvalidArg;
  const ComError queryError = ErrorOf([&] { wrapped->QueryDocument(document); });
  EXPECT_EQ(queryError.Error(), rpcFailed);
  EXPECT_TRUE(test::IsSystemText(queryError.ErrorMessage(), u"The remote procedure call failed.", u"RPC call failed."));
  EXPECT_EQ(ErrorOf([&] { wrapped->ReleaseDocument(u"x", 1013); }).Error(), kEFail);
  EXPECT_EQ(ErrorOf([&] { wrapped->SetTablePath(u"x"); }).Error(), kEInvalidArg);
}

TEST(ProjectWiseConnectorCom, AnObjectWithoutTheInterfaceGivesNoConnector) {
  ComConnector connector;
  connector.script->script().offersInterface = false;
  const ULONG before = connector.com->References();
  EXPECT_FALSE(CComProjectWiseConnector::Open(connector.com));
  EXPECT_FALSE(CComProjectWiseConnector::Open(nullptr));
  EXPECT_EQ(connector.com->References(), before);  // nothing kept, nothing lost
}

}  // namespace
}  // namespace vk
