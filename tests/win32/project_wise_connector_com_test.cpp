// The ProjectWise connector's method table over real COM, with the stand-in COM connector.
#include "import/win32/com_project_wise_connector.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/com_error.h"
#include "automation/win32/dispatch_object.h"
#include "fake_project_wise_connector.h"
#include "automation/win32/win32_text.h"
#include "win32/fake_com_project_wise_connector.h"

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

// The declaration must put the three operations where the connector has them, whatever our own
// stand-in and wrapper agree on: call them by their slot numbers.
TEST(ProjectWiseConnectorCom, OperationsSitAtSlotsEightNineAndEleven) {
  ComConnector connector;
  connector.script->script() = {0, kDocument};
  void* const* table = *reinterpret_cast<void* const* const*>(connector.com);
  using QueryFn = HRESULT(STDMETHODCALLTYPE*)(void*, BSTR*, LONG*);
  using ReleaseFn = HRESULT(STDMETHODCALLTYPE*)(void*, BSTR, LONG);
  using PathFn = HRESULT(STDMETHODCALLTYPE*)(void*, BSTR);
  QueryFn query;
  ReleaseFn release;
  PathFn path;
  std::memcpy(&query, &table[kPwSlotQueryDocument], sizeof query);
  std::memcpy(&release, &table[kPwSlotReleaseDocument], sizeof release);
  std::memcpy(&path, &table[kPwSlotSetTablePath], sizeof path);
  EXPECT_EQ(kPwSlotQueryDocument, 8);
  EXPECT_EQ(kPwSlotReleaseDocument, 9);
  EXPECT_EQ(kPwSlotSetTablePath, 11);

  BSTR text = nullptr;
  LONG status = -1;
  ASSERT_EQ(query(connector.com, &text, &status), S_OK);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(FromWide(text), kDocument);
  SysFreeString(text);
  BSTR doc = SysAllocString(L"doc");
  BSTR question = SysAllocString(L"?");
  EXPECT_EQ(release(connector.com, doc, 1013), S_OK);
  EXPECT_EQ(path(connector.com, question), S_OK);
  SysFreeString(doc);
  SysFreeString(question);
  EXPECT_EQ(connector.script->calls(),
            (std::vector<ConnectorCall>{ConnectorCall::Query(), ConnectorCall::Release(u"doc", 1013),
                                        ConnectorCall::TablePath(u"?")}));
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
  EXPECT_EQ(queryError.ErrorMessage(), SystemErrorText(rpcFailed));
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
