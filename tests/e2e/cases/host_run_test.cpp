// The road of an import through the real module: the stand-in Office host loads Vellumark.dll by
// its ProgID and calls the ribbon callbacks by name; the stand-in receiver, another process,
// logs what arrives. The same imports run natively against the stand-ins give the reference.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host_process.h"
#include "fake_fixture.h"
#include "import_rig.h"
#include "link/link_channel.h"
#include "message_table.h"
#include "receiver_log.h"
#include "registration_lock.h"
#include "resource_ids/other_page_ids.h"
#include "link/shape_record.h"
#include "test_clipboard.h"
#include "test_hive.h"
#include "test_shell.h"
#include "automation/win32/win32_text.h"
#include "win32/receiver_process.h"

namespace vk {
namespace {

std::wstring WriteTemp(const std::string& text) {
  std::wstring path = test::TempFile(L"vk_host_fixture") + L".json";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

// What the receiver got, in the same terms as the memory link of a native run.
struct Received {
  std::vector<test::LinkMessage> messages;
  std::vector<uint64_t> copyDataSenders;  // wParam of each WM_COPYDATA
};

// Runs the host with the receiver up; everything a test needs to look at.
struct HostAndReceiver {
  test::HostRun host;
  Received received;
};

HostAndReceiver RunWithReceiver(const std::wstring& fixturePath, const std::wstring& callbacks) {
  HostAndReceiver out;
  std::u16string log = FromWide(test::TempFile(L"vk_host_receiver") + L".log");
  test::ReceiverProcess receiver(log);
  EXPECT_TRUE(receiver.Start());
  out.host = test::RunHost(L"--register --fixture \"" + fixturePath + L"\" " + callbacks);
  EXPECT_TRUE(receiver.Stop());
  auto entries = test::ReadReceiverLog(log);
  EXPECT_TRUE(entries.has_value());
  if (entries) {
    for (const auto& e : *entries) {
      if (e.direction != 0) continue;
      test::LinkMessage m;
      m.kind = e.message;
      if (e.message == test::kCopyDataMessage) {
        m.cbData = e.cbData;
        m.bytes = e.bytes;
        out.received.copyDataSenders.push_back(e.wParam);
      } else {
        m.wParam = e.wParam;
        m.lParam = e.lParam;
      }
      out.received.messages.push_back(std::move(m));
    }
  }
  DeleteFileW(reinterpret_cast<const wchar_t*>(log.c_str()));
  return out;
}

// What the receiver gets last from the host: the add-in's disconnection.
void AddDisconnection(std::vector<test::LinkMessage>& messages) {
  test::LinkMessage disconnect;
  disconnect.kind = test::kEndMessage;
  disconnect.lParam = 2;  // the add-in is disconnecting
  messages.push_back(disconnect);
}

// The native run's messages as the receiver must get them, record for record; a record's wParam
// (the sending window) and lParam (an address in the receiver) are the platform's.
void ExpectSameMessages(const std::vector<test::LinkMessage>& got, const std::vector<test::LinkMessage>& want) {
  std::vector<test::MessageRow> rows = test::Rows(want);
  for (test::MessageRow& row : rows)
    if (row.message == test::kCopyDataMessage) row.wParam = row.lParam = test::kAny;
  EXPECT_TRUE(test::SameMessages(test::Rows(got), rows));
  EXPECT_TRUE(test::SameRecords(got, want));
}

class HostRunTest : public ::testing::Test {
 protected:
  test::RegistrationLock registration_;
  test::LinkWindowsLock windows_;
};

TEST_F(HostRunTest, FinishThenRangeImportArriveAsTheNativeRunSendsThem) {
  const std::string json = fake::ReadFixtureText("sample.json");
  // The reference: the same two imports against the stand-ins, without COM or windows.
  std::vector<test::LinkMessage> expected;
  {
    test::ImportRig rig(json);
    ASSERT_EQ(rig.Run(0), 0);
    ASSERT_EQ(rig.Run(1), 0);
    expected = rig.link.messages;
  }
  AddDisconnection(expected);

  HostAndReceiver run;
  {
    test::TestHive hive;  // a clean product key while the host runs
    run = RunWithReceiver(WriteTemp(json), L"OnRibbonFinish OnRibbonRangeImport");
  }
  EXPECT_EQ(run.host.exitCode, 0);
  EXPECT_TRUE(run.host.Has("create Vellumark.VK2019 0x00000000"));
  EXPECT_TRUE(run.host.Has("OnConnection 0x00000000"));
  EXPECT_TRUE(run.host.Has("COMAddIn.Object IXVKAddin"));
  EXPECT_TRUE(run.host.Has(
      "GetCustomUI 0x00000000 onAction OnRibbonFinish,OnRibbonRangeImport,OnRibbonOptions,OnRibbonHelp"));
  EXPECT_TRUE(run.host.Has("invoke OnRibbonFinish (DISPID 3) 0x00000000"));
  EXPECT_TRUE(run.host.Has("invoke OnRibbonRangeImport (DISPID 4) 0x00000000"));
  EXPECT_TRUE(run.host.Has("OnDisconnection 0x00000000"));
  EXPECT_TRUE(run.host.Has("release 0"));
  EXPECT_TRUE(run.host.Has("DllCanUnloadNow 0x00000000"));
  EXPECT_TRUE(run.host.Starting("message").empty());

  ExpectSameMessages(run.received.messages, expected);
  // The Range Import's table is the selection A3:F9; every import ends with reason 1 and the
  // disconnection with reason 2.
  std::vector<std::pair<int64_t, int64_t>> tables;
  std::vector<int64_t> ends;
  for (const auto& m : run.received.messages) {
    if (m.kind == test::kTableStartMessage) tables.push_back({static_cast<int64_t>(m.wParam), m.lParam});
    if (m.kind == test::kEndMessage) ends.push_back(m.lParam);
  }
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[1], (std::pair<int64_t, int64_t>{7, 6}));
  EXPECT_EQ(ends, (std::vector<int64_t>{1, 1, 2}));
  for (uint64_t sender : run.received.copyDataSenders) EXPECT_NE(sender, 0u);
}

// Every record of the cell-formats sample (rich text, borders, fills, merges, hidden cells)
// crosses Excel's automation, the DLL and WM_COPYDATA byte for byte as the native run sends it.
TEST_F(HostRunTest, TheCellFormatsSampleArrivesByteForByteAsTheNativeRunSendsIt) {
  const std::string json = fake::ReadFixtureText("cells.json");
  std::vector<test::LinkMessage> expected;
  {
    test::ImportRig rig(json);
    ASSERT_EQ(rig.Run(0), 0);
    expected = rig.link.messages;
  }
  ASSERT_EQ(expected.size(), 37u);  // the table start, 35 records, the end
  AddDisconnection(expected);

  HostAndReceiver run;
  {
    test::TestHive hive;
    run = RunWithReceiver(WriteTemp(json), L"OnRibbonFinish");
  }
  EXPECT_EQ(run.host.exitCode, 0);
  EXPECT_TRUE(run.host.Starting("message").empty());
  ExpectSameMessages(run.received.messages, expected);
}

// The shapes sample crosses Excel's automation, the DLL and WM_COPYDATA byte for byte as the
// native run sends it: Single geometry, the ActiveX check box told by its type information,
// the picture through the platform's clipboard and the star's metafile through CopyMetaFileW.
TEST_F(HostRunTest, TheShapesSampleArrivesByteForByteAsTheNativeRunSendsIt) {
  const std::string json = fake::ReadFixtureText("shapes.json");
  test::TempFolder pictures;
  const auto setUp = [&](test::TestHive& hive) {
    hive.WriteNumber(test::kProductPath, u"ImportObj", 0x17F);  // with form controls
    hive.WriteText(test::kProductPath, u"PicturesFolder", pictures.Path());
  };
  // The clipboard is the platform's own: each run holds it, so that other test programs keep off
  // it meanwhile, and leaves it empty and without owner, so that the host never waits on a
  // window of this process that does not answer while this process waits for the host.
  std::vector<test::LinkMessage> expected;
  {
    test::TestClipboard clipboard;
    test::ImportRig rig(json);
    setUp(rig.hive);
    ASSERT_EQ(rig.Run(0), 0);
    expected = rig.link.messages;
  }
  size_t shapes = 0;
  for (const auto& m : expected) shapes += m.cbData == static_cast<uint32_t>(kShapeRecordSize) ? 1 : 0;
  ASSERT_EQ(shapes, 19u);
  for (const char16_t* file : {u"Plant_Shapes_pic20.png", u"Plant_Shapes_chart21.bmp", u"Plant_Shapes_wmf22.wmf"}) {
    ASSERT_TRUE(pictures.Exists(file));
    DeleteFileW(reinterpret_cast<const wchar_t*>(pictures.File(file).c_str()));  // the host writes them again
  }
  AddDisconnection(expected);

  HostAndReceiver run;
  {
    test::TestClipboard clipboard;
    test::TestHive hive;
    setUp(hive);
    run = RunWithReceiver(WriteTemp(json), L"OnRibbonFinish");
  }
  EXPECT_EQ(run.host.exitCode, 0);
  EXPECT_TRUE(run.host.Starting("message").empty());
  ExpectSameMessages(run.received.messages, expected);
  EXPECT_EQ(pictures.Read(u"Plant_Shapes_pic20.png"),
            (std::vector<unsigned char>{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00}));
  EXPECT_TRUE(pictures.Exists(u"Plant_Shapes_chart21.bmp"));
  // A Windows metafile: its header says so (type 1 or 2, a header of 9 words, version 0x300).
  const auto metafile = pictures.Read(u"Plant_Shapes_wmf22.wmf");
  ASSERT_GE(metafile.size(), 18u);
  EXPECT_TRUE((metafile[0] == 1 || metafile[0] == 2) && metafile[1] == 0);
  EXPECT_EQ(std::vector<unsigned char>(metafile.begin() + 2, metafile.begin() + 6),
            (std::vector<unsigned char>{0x09, 0x00, 0x00, 0x03}));
}

std::vector<test::LinkMessage> NativeRangeImportThenDisconnection(const std::string& json) {
  test::ImportRig rig(json);
  EXPECT_EQ(rig.Run(1), 0);
  std::vector<test::LinkMessage> expected = rig.link.messages;
  AddDisconnection(expected);
  return expected;
}

// The workbook is a checked-out ProjectWise document: the check saves it, asks in its dialog,
// tells the connector what the user chose, and answers 6, so the import runs as without it.
TEST_F(HostRunTest, ACheckedOutDocumentIsConfirmedAndThenImported) {
  const std::string json = fake::ReadFixtureText("sample.json");
  const std::vector<test::LinkMessage> expected = NativeRangeImportThenDisconnection(json);

  HostAndReceiver run;
  {
    test::TestHive hive;
    run = RunWithReceiver(WriteTemp(json),
                          L"--pw 0 \"pw://Plant/Unit 200/Pump schedule.xlsx\" --pw-press update OnRibbonRangeImport");
  }
  EXPECT_EQ(run.host.exitCode, 0);
  EXPECT_EQ(run.host.Starting("dialog"),
            (std::vector<std::string>{"dialog [Vellumark for ProjectWise] Document: Pump schedule.xlsx -> update"}));
  EXPECT_EQ(run.host.Starting("connector"),
            (std::vector<std::string>{"connector QueryDocument",
                                      "connector ReleaseDocument pw://Plant/Unit 200/Pump schedule.xlsx 1010",
                                      "connector SetTablePath pw://Plant/Unit 200/Pump schedule.xlsx"}));
  EXPECT_TRUE(run.host.Starting("message").empty());
  ExpectSameMessages(run.received.messages, expected);
}

// The connector cannot place the workbook and the user declines its local path: the check
// answers 7 and nothing is imported.
TEST_F(HostRunTest, AWorkbookOutsideTheDatasourceIsNotImportedWhenTheUserSaysNo) {
  HostAndReceiver run;
  {
    test::TestHive hive;
    run = RunWithReceiver(WriteTemp(fake::ReadFixtureText("sample.json")), L"--pw 50000 \"\" --answer no OnRibbonRangeImport");
  }
  EXPECT_EQ(run.host.exitCode, 0);
  EXPECT_TRUE(run.host.Has("invoke OnRibbonRangeImport (DISPID 4) 0x00000000"));
  EXPECT_EQ(run.host.Starting("message"),
            (std::vector<std::string>{
                "message [Vellumark] Cannot find Pump schedule.xlsx on the active ProjectWise datasource. Are you "
                "sure you want to use the local path of the workbook for the imported table? -> No"}));
  EXPECT_EQ(run.host.Starting("connector"), (std::vector<std::string>{"connector QueryDocument"}));
  EXPECT_TRUE(test::SameMessages(test::Rows(run.received.messages), {{test::kEndMessage, 0, 2}}));
}

// A shape is selected: the import refuses with its message, nothing reaches the receiver but
// the disconnection, and the ribbon callback still succeeds.
TEST_F(HostRunTest, RangeImportWithAShapeSelectedIsRefusedButTheCallbackSucceeds) {
  const std::string json = R"({"selection":{"shape":"Rectangle 1"},"sheets":[{"name":"S","cells":{"A1":1}}]})";
  std::vector<std::u16string> expectedTexts;
  {
    test::ImportRig rig(json);
    EXPECT_EQ(rig.Run(1), 1375);
    expectedTexts = rig.Texts();
  }
  ASSERT_EQ(expectedTexts.size(), 1u);

  HostAndReceiver run;
  {
    test::TestHive hive;
    run = RunWithReceiver(WriteTemp(json), L"OnRibbonRangeImport");
  }
  EXPECT_EQ(run.host.exitCode, 0);
  EXPECT_TRUE(run.host.Has("invoke OnRibbonRangeImport (DISPID 4) 0x00000000"));
  std::wstring text(expectedTexts[0].begin(), expectedTexts[0].end());
  char utf8[512] = {};
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
  EXPECT_EQ(run.host.Starting("message"), (std::vector<std::string>{std::string("message [Vellumark] ") + utf8 + " -> OK"}));
  EXPECT_TRUE(test::SameMessages(test::Rows(run.received.messages), {{test::kEndMessage, 0, 2}}));
}

// The Options button opens the real sheet, which a user outside the module finds and answers:
// OK after a change stores it in the option set the sheet edits; Cancel stores nothing.
TEST_F(HostRunTest, OptionsOpensTheSheetAndOkStoresTheChangedValue) {
  struct Case {
    int32_t funcState;
    std::wstring answer;
    std::string line;
    const char16_t* key;
    std::optional<std::u16string> rotation;
  };
  // The host types into a control named by its id: the Other page's Rotation Degree box.
  const std::string box = std::to_string(IDC_OTHER_ROTATION);
  const std::wstring boxArgument(box.begin(), box.end());
  const Case cases[] = {
      {1, L"--options " + boxArgument + L" 33 ", "sheet [Current Vellumark Options] " + box + "=33 -> OK",
       test::kCurrentOptionsPath, u"33"},
      {0, L"--options " + boxArgument + L" -12.5 ", "sheet [Options] " + box + "=-12.5 -> OK", test::kProductPath,
       u"-12.5"},
      {0, L"", "sheet [Options] -> Cancel", test::kProductPath, std::nullopt},
  };
  const std::wstring fixture = WriteTemp(fake::ReadFixtureText("sample.json"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    test::TestHive hive;
    hive.WriteNumber(test::kProductPath, u"FuncState", c.funcState);
    hive.WriteNumber(test::kProductPath, u"ActivePageIndex", 3);  // opens on the Other page
    HostAndReceiver run = RunWithReceiver(fixture, c.answer + L"OnRibbonOptions");
    EXPECT_EQ(run.host.exitCode, 0);
    EXPECT_TRUE(run.host.Has(c.line));
    EXPECT_TRUE(run.host.Has("invoke OnRibbonOptions (DISPID 5) 0x00000000"));
    EXPECT_EQ(hive.ReadText(c.key, u"RotationDegree"), c.rotation);
    EXPECT_EQ(hive.ReadNumber(test::kProductPath, u"ActivePageIndex"), 3);
  }
}

}  // namespace
}  // namespace vk
