// The ProjectWise check against the stand-in Excel, a stand-in connector and a scripted user.
#include "import/project_wise_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "automation/com_error.h"
#include "fake_com_add_ins.h"
#include "fake_excel.h"
#include "fake_project_wise_connector.h"
#include "recording_messages.h"
#include "settings/memory_registry_hive.h"

namespace vk {
namespace {

using fake::ConnectorCall;
using fake::FakeExcel;
using fake::FakeProjectWiseConnector;

constexpr char16_t kDocument[] = u"pw://Plant/Documents/Pumps.xlsx";
constexpr char16_t kBookName[] = u"Pumps.xlsx";
constexpr char16_t kFullName[] = u"C:\\Projects\\Plant\\Pumps.xlsx";
constexpr char16_t kQuestionTail[] =
    u" Are you sure you want to use the local path of the workbook for the imported table?";

// The user at the confirmation dialog: answers with a scripted choice and notes what it saw.
class ScriptedSite final : public ProjectWiseSite {
 public:
  int32_t ConfirmDocument(const std::u16string& documentLine) override {
    lines.push_back(documentLine);
    return choice;
  }
  int32_t choice = kPwChoiceInitial;
  std::vector<std::u16string> lines;
};

class ProjectWiseCheckTest : public ::testing::Test {
 protected:
  ProjectWiseCheckTest() {
    excel->Book().name = kBookName;
    excel->Book().path = u"C:\\Projects\\Plant";
    RegisterConnector();
    excel->comAddIns.push_back({kProjectWiseConnectorProgId, connector, u"", true});
  }

  void RegisterConnector() {
    auto root = hive.OpenRoot(RegistryRoot::ClassesRoot);
    ASSERT_TRUE(root->OpenSubKey(CProjectWiseCheck::InstalledKeyPath(), true));
  }

  int Run() { return CProjectWiseCheck(hive, site).Run(excel->Application()); }

  MemoryRegistryHive hive;
  std::shared_ptr<FakeExcel> excel = FakeExcel::Create();
  std::shared_ptr<FakeProjectWiseConnector> connector = std::make_shared<FakeProjectWiseConnector>();
  ScriptedSite site;
  test::RecordingMessages messages;
};

TEST_F(ProjectWiseCheckTest, LooksForTheConnectorUnderItsClassKey) {
  EXPECT_EQ(CProjectWiseCheck::InstalledKeyPath(), u"CLSID\\{88CCE1C4-8A32-4DA2-8ED4-743FBB0E9BA5}");
}

// Each answer of the connector and each answer of the user, with what reaches the connector.
struct StatusCase {
  const char* name;
  int32_t status;
  std::u16string document;
  int32_t choice;     // at the confirmation dialog, if it opens
  int yesNo;          // to the question, if one is asked
  int expected;
  std::vector<ConnectorCall> calls;
  std::u16string question;  // empty: no message
  bool confirms;            // the workbook is saved and the dialog opens
  friend void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }
};

class StatusAndChoice : public ProjectWiseCheckTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusAndChoice, AnswersAndTellsTheConnector) {
  const StatusCase& c = GetParam();
  connector->script().status = c.status;
  connector->script().document = c.document;
  site.choice = c.choice;
  messages.SetDefaultAnswer(c.yesNo);

  EXPECT_EQ(Run(), c.expected);

  EXPECT_EQ(connector->calls(), c.calls);
  if (c.question.empty()) {
    EXPECT_TRUE(messages.shown.empty());
  } else {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.question);
    EXPECT_EQ(messages.shown[0].caption, MessageCaption());
    EXPECT_EQ(messages.shown[0].style, kMbYesNo | kMbIconQuestion);
  }
  if (c.confirms) {
    EXPECT_EQ(site.lines, std::vector<std::u16string>{u"Document: Pumps.xlsx"});
    ASSERT_EQ(excel->CallCount("Workbook.Save"), 1u);
  } else {
    EXPECT_TRUE(site.lines.empty());
    EXPECT_EQ(excel->CallCount("Workbook.Save"), 0u);
  }
}

const ConnectorCall kQuery = ConnectorCall::Query();
const std::u16string kNotFound =
    std::u16string(u"Cannot find Pumps.xlsx on the active ProjectWise datasource.") + kQuestionTail;

INSTANTIATE_TEST_SUITE_P(
    ProjectWiseCheck, StatusAndChoice,
    ::testing::Values(
        StatusCase{"CheckIn", 0, kDocument, kPwChoiceCheckIn, kIdYes, kPwGoOn,
                   {kQuery, ConnectorCall::Release(kDocument, 1010), ConnectorCall::TablePath(u"?")}, {}, true},
        StatusCase{"UpdateServerCopy", 0, kDocument, kPwChoiceUpdateServerCopy, kIdYes, kPwGoOn,
                   {kQuery, ConnectorCall::Release(kDocument, 1010), ConnectorCall::TablePath(kDocument)}, {}, true},
        StatusCase{"Free", 0, kDocument, kPwChoiceFree, kIdYes, kPwGoOn,
                   {kQuery, ConnectorCall::Release(kDocument, 1013), ConnectorCall::TablePath(u"?")}, {}, true},
        // Cancel or the close box: the server copy is left and the table keeps the document.
        StatusCase{"Cancel", 0, kDocument, kPwChoiceInitial, kIdYes, kPwGoOn,
                   {kQuery, ConnectorCall::Release(kDocument, 1013), ConnectorCall::TablePath(kDocument)}, {}, true},
        StatusCase{"NotInDatasourceYes", 50000, u"", 0, kIdYes, kPwGoOn,
                   {kQuery, ConnectorCall::TablePath(kFullName)}, kNotFound, false},
        StatusCase{"NotInDatasourceNo", 50000, u"", 0, kIdNo, kPwStop, {kQuery}, kNotFound, false},
        // 50000 is asked about the datasource even when its text looks like a failure.
        StatusCase{"NotInDatasourceWithStarText", 50000, u"*Offline.", 0, kIdNo, kPwStop, {kQuery}, kNotFound, false},
        StatusCase{"DescribedFailureYes", 3, u"*The datasource is offline.", 0, kIdYes, kPwGoOn,
                   {kQuery, ConnectorCall::TablePath(kFullName)},
                   std::u16string(u"The datasource is offline.") + kQuestionTail, false},
        StatusCase{"DescribedFailureNo", -1, u"*The datasource is offline.", 0, kIdNo, kPwStop, {kQuery},
                   std::u16string(u"The datasource is offline.") + kQuestionTail, false},
        // Every leading marker and every trailing full stop goes; inner ones stay.
        StatusCase{"MarkersAndStopsTrimmed", 7, u"**Login failed for v.2...", 0, kIdNo, kPwStop, {kQuery},
                   std::u16string(u"Login failed for v.2.") + kQuestionTail, false},
        StatusCase{"MarkerOnly", 7, u"*", 0, kIdNo, kPwStop, {kQuery}, std::u16string(u".") + kQuestionTail, false},
        StatusCase{"UndescribedFailure", 7, u"The datasource is offline.", 0, kIdYes, kPwStop, {kQuery}, {}, false},
        StatusCase{"UndescribedFailureNoText", 7, u"", 0, kIdYes, kPwStop, {kQuery}, {}, false},
        StatusCase{"DocumentWithoutName", 0, u"", 0, kIdYes, kPwStop, {kQuery}, {}, false}),
    [](const ::testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST_F(ProjectWiseCheckTest, SavesTheWorkbookBeforeTheDialogWithLocaleZero) {
  connector->script().document = kDocument;
  ASSERT_EQ(Run(), kPwGoOn);
  bool sawSave = false;
  for (const auto& call : excel->Calls()) {
    if (call.key != "Workbook.Save") continue;
    sawSave = true;
    EXPECT_EQ(call.lcid, 0u);
    EXPECT_TRUE(call.args.empty());
  }
  EXPECT_TRUE(sawSave);
}

TEST_F(ProjectWiseCheckTest, NotInstalledGoesOnWithoutTouchingExcel) {
  ASSERT_EQ(hive.OpenRoot(RegistryRoot::ClassesRoot)->DeleteTree(CProjectWiseCheck::InstalledKeyPath()), kRegOk);
  connector->script().status = 50000;
  EXPECT_EQ(Run(), kPwGoOn);
  EXPECT_EQ(excel->CallCount(), 0u);
  EXPECT_TRUE(connector->calls().empty());
  EXPECT_TRUE(messages.shown.empty());
}

// Whatever fails on the way, the import goes on and nothing is said.
struct FailureCase {
  const char* name;
  std::function<void(FakeExcel&, FakeProjectWiseConnector&)> arrange;
  std::vector<ConnectorCall> calls;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class FailureGoesOn : public ProjectWiseCheckTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureGoesOn, Silently) {
  connector->script().document = kDocument;
  site.choice = kPwChoiceCheckIn;
  GetParam().arrange(*excel, *connector);
  EXPECT_EQ(Run(), kPwGoOn);
  EXPECT_EQ(connector->calls(), GetParam().calls);
  EXPECT_TRUE(messages.shown.empty());
}

const int32_t kRpcFailed = static_cast<int32_t>(0x800706BE);

INSTANTIATE_TEST_SUITE_P(
    ProjectWiseCheck, FailureGoesOn,
    ::testing::Values(
        FailureCase{"NoWorkbookOpen", [](FakeExcel& x, FakeProjectWiseConnector&) { x.Book().open = false; }, {}},
        FailureCase{"ConnectorNotLoaded", [](FakeExcel& x, FakeProjectWiseConnector&) { x.comAddIns.clear(); }, {}},
        FailureCase{"AddInPublishesNothing",
                    [](FakeExcel& x, FakeProjectWiseConnector&) { x.comAddIns[0].object = nullptr; }, {}},
        FailureCase{"ObjectRefusesInterface",
                    [](FakeExcel&, FakeProjectWiseConnector& c) { c.script().offersInterface = false; }, {}},
        FailureCase{"ExcelFailsCount",
                    [](FakeExcel& x, FakeProjectWiseConnector&) { x.FailMember("Workbooks.Count"); }, {}},
        FailureCase{"QueryFails",
                    [](FakeExcel&, FakeProjectWiseConnector& c) { c.script().queryFails = kRpcFailed; },
                    {ConnectorCall::Query()}},
        FailureCase{"SaveFails", [](FakeExcel& x, FakeProjectWiseConnector&) { x.FailMember("Workbook.Save"); },
                    {ConnectorCall::Query()}},
        FailureCase{"ReleaseFails",
                    [](FakeExcel&, FakeProjectWiseConnector& c) { c.script().releaseFails = kEFail; },
                    {ConnectorCall::Query(), ConnectorCall::Release(kDocument, 1010)}},
        FailureCase{"SetTablePathFails",
                    [](FakeExcel&, FakeProjectWiseConnector& c) { c.script().setTablePathFails = kEFail; },
                    {ConnectorCall::Query(), ConnectorCall::Release(kDocument, 1010), ConnectorCall::TablePath(u"?")}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(ProjectWiseCheckTest, FailureAfterTheUserSaidYesStillGoesOn) {
  connector->script().status = 50000;
  connector->script().setTablePathFails = kEFail;
  messages.SetDefaultAnswer(kIdYes);
  EXPECT_EQ(Run(), kPwGoOn);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(ProjectWiseCheckTest, WithoutExcelGoesOn) {
  EXPECT_EQ(CProjectWiseCheck(hive, site).Run(nullptr), kPwGoOn);
  EXPECT_TRUE(connector->calls().empty());
}

}  // namespace
}  // namespace vk
