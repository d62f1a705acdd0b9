#include "import/import_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "import_rig.h"
#include "link/cell_record.h"
#include "log/log_file.h"
#include "settings/option_table.h"
#include "sweep_checks.h"
#include "utf_text.h"

namespace vk {
namespace {

using test::ImportRig;
using test::Table;

constexpr int32_t kExcelError = static_cast<int32_t>(0x800A03EC);

// For tests that import areas of tens of thousands of cells and look only at the tables: no
// call log and no record bytes kept.
void Lighten(ImportRig& rig) {
  rig.excel->SetRecording(false);
  rig.link.keepRecordBytes = false;
}

std::string Sheet(const std::string& body, const std::string& top = "") {
  return R"({)" + top + R"("sheets":[{"name":"Data",)" + body + R"(}]})";
}

// The cell records the receiver got: each one's address and the imported range's text.
struct SentCell {
  std::u16string address;
  std::u16string area;
  friend bool operator==(const SentCell&, const SentCell&) = default;
};

template <size_t N>
std::u16string FieldText(const char16_t (&field)[N]) {
  return std::u16string(field, std::find(field, field + N, u'\0'));
}

std::vector<SentCell> SentCells(const ImportRig& rig) {
  std::vector<SentCell> cells;
  for (const auto& m : rig.link.messages) {
    if (m.kind != kWmCopyData || m.cbData != static_cast<uint32_t>(kCellRecordSize)) continue;
    auto record = std::make_unique<CellRecord>();
    std::memcpy(record.get(), m.bytes.data(), sizeof(CellRecord));
    cells.push_back({FieldText(record->address), FieldText(record->areaAddress)});
  }
  return cells;
}

// Which area becomes the table: the used range with its 300-row / 150-column limits and the
// 1.2 factor, the print area, the selection.
TEST(RunImport, ChoosesTheAreaToImport) {
  struct Case {
    const char* what;
    std::string json;
    int selected;
    std::vector<Table> tables;
  };
  const std::vector<Case> cases = {
      {"used range below both limits is kept", Sheet(R"("usedRange":"A1:ES299")"), 0, {{299, 149}}},
      {"used range need not start at A1", Sheet(R"("usedRange":"C5:E10")"), 0, {{6, 3}}},
      {"300 rows: last row 100 gives 120", Sheet(R"("usedRange":"A1:C1000","cells":{"C100":1})"), 0, {{120, 3}}},
      {"300 rows exactly is limited", Sheet(R"("usedRange":"A1:C300","cells":{"B10":1})"), 0, {{12, 3}}},
      {"1.2 x 900 is not below 1000", Sheet(R"("usedRange":"A1:C1000","cells":{"A900":1})"), 0, {{1000, 3}}},
      {"150 columns: last column 10 gives 12", Sheet(R"("usedRange":"A1:ET10","cells":{"J2":1})"), 0, {{10, 12}}},
      {"both limits", Sheet(R"("usedRange":"A1:ET400","cells":{"E50":1,"Z3":1})"), 0, {{60, 31}}},
      {"single-area selection", Sheet(R"("cells":{"A1":1})", R"("selection":"B2:D5",)"), 1, {{4, 3}}},
      {"two areas give two tables", Sheet(R"("cells":{"A1":1})", R"("selection":"A1:C9,E1:F9",)"), 1, {{9, 3}, {9, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImportRig rig(c.json);
    Lighten(rig);
    EXPECT_EQ(rig.Run(c.selected), 0);
    EXPECT_EQ(rig.Tables(), c.tables);
    EXPECT_EQ(rig.Ends(), std::vector<int64_t>{1});
    EXPECT_TRUE(rig.messages.shown.empty());
  }
}

// The used range is imported where Excel puts it; only a limited area is re-based at A1, and
// its column limit is the used range's column count. A print area keeps its place too.
TEST(RunImport, TheAreaStartsWhereItsPathPutsIt) {
  struct Case {
    const char* what;
    std::string json;
    bool printAreaOnly;
    Table table;
    SentCell first, last;
  };
  const Case cases[] = {
      {"used range from C5", Sheet(R"("usedRange":"C5:E10","cells":{"C5":1})"), false, {6, 3}, {u"$C$5", u""}, {u"$E$10", u""}},
      {"limited used range from C5", Sheet(R"("usedRange":"C5:E400","cells":{"D100":1})"), false, {120, 3},
       {u"$A$1", u""}, {u"$C$120", u""}},
      {"print area", Sheet(R"("usedRange":"A1:E10","printArea":"$B$3:$D$4","cells":{"B3":1})"), true, {2, 3},
       {u"$B$3", u""}, {u"$D$4", u""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImportRig rig(c.json);
    if (c.printAreaOnly) rig.SetOption(options::kOnlyPrintArea, 1);
    EXPECT_EQ(rig.Run(0), 0);
    EXPECT_EQ(rig.Tables(), std::vector<Table>{c.table});
    const std::vector<SentCell> cells = SentCells(rig);
    ASSERT_EQ(cells.size(), static_cast<size_t>(c.table.rows * c.table.columns));
    EXPECT_EQ(cells.front(), c.first);
    EXPECT_EQ(cells.back(), c.last);
  }
}

// Each way the driver takes to its area passes its own steps: a COM error in one of them is
// reported with the step mark logged last before it.
TEST(RunImport, EachPathNamesTheStepItFailedAt) {
  struct Case {
    const char* what;
    std::string json;
    int selected;
    int onlyPrintArea;
    std::string failMember;
    int step;
  };
  const std::string printArea = Sheet(R"("usedRange":"A1:C3","printArea":"A1:B2","cells":{"A1":1})");
  const std::string byRows = Sheet(R"("usedRange":"A1:B300","cells":{"A2":1})");
  const std::string byColumns = Sheet(R"("usedRange":"A1:ET2","cells":{"B1":1})");
  const std::string twoAreas = Sheet(R"("cells":{"A1":1})", R"("selection":"A1:B1,D1:D2",)");
  const Case cases[] = {
      {"print area: the page setup", printArea, 0, 1, "Worksheet.PageSetup", 1350},
      {"print area: its text", printArea, 0, 1, "PageSetup.PrintArea", 1406},
      {"print area: its range", printArea, 0, 1, "Worksheet.Range", 1408},
      {"used range: its size", Sheet(R"("usedRange":"A1:B2","cells":{"A1":1})"), 0, 0, "Range.Columns", 1479},
      {"limited by rows: the cells", byRows, 0, 0, "Worksheet.Cells", 1488},
      {"limited by rows: the search", byRows, 0, 0, "Range.Find", 1502},
      {"limited by columns: the search", byColumns, 0, 0, "Range.Find", 1513},
      {"limited: the corner cells", byRows, 0, 0, "Range.Item", 1526},
      {"selection: its address", twoAreas, 1, 0, "Range.Address", 1365},
      {"two areas: an area's range", twoAreas, 1, 0, "Worksheet.Range", 1566},
      {"the workbook", twoAreas, 1, 0, "Application.ActiveWorkbook", 1545},
      {"the sheet's name", twoAreas, 1, 0, "Worksheet.Name", 1550},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImportRig rig(c.json);
    rig.SetOption(options::kOnlyPrintArea, c.onlyPrintArea);
    rig.excel->FailMember(c.failMember, kEFail);
    EXPECT_EQ(rig.Run(c.selected), c.step);
    EXPECT_EQ(rig.Texts(), std::vector<std::u16string>{u"Zelkor Vellumark Error: Unspecified error, " +
                                                        fake::Utf16(std::to_string(c.step)) + u", -1, 0, 0"});
    EXPECT_TRUE(rig.Ends().empty());
  }
}

TEST(RunImport, AFailedUsedRangeAssumes400By200AndSearches) {
  ImportRig rig(Sheet(R"("cells":{"C10":1})"));
  Lighten(rig);
  rig.excel->FailMember("Worksheet.UsedRange");
  EXPECT_EQ(rig.Run(0), 0);
  EXPECT_EQ(rig.Tables(), (std::vector<Table>{{12, 3}}));

  ImportRig empty(Sheet(R"("cells":{})"));
  Lighten(empty);
  empty.excel->FailMember("Worksheet.UsedRange");
  EXPECT_EQ(empty.Run(0), 0);
  EXPECT_EQ(empty.Tables(), (std::vector<Table>{{400, 200}}));
}

// FuncState decides the option key, whether areas split and whether LatestFolder is kept.
TEST(RunImport, FuncStateChoosesOptionKeySplittingAndLatestFolder) {
  const std::string json = Sheet(R"("cells":{"A1":1},"usedRange":"A1:B2")",
                                 R"("path":"C:\\Work","selection":"A1:C9,E1:F9",)");
  struct Case {
    int funcState;
    int useGlobal;
    size_t tables;
    bool latestFolder;
  };
  for (const Case c : {Case{0, 0, 2, true}, Case{1, 0, 1, false}, Case{1, 1, 1, false},
                       Case{2, 0, 1, false}, Case{5, 0, 1, false}}) {
    SCOPED_TRACE(c.funcState);
    ImportRig rig(json);
    rig.SetOption(options::kFuncState, c.funcState);
    rig.SetOption(options::kUseGlobalOption, c.useGlobal);
    EXPECT_EQ(rig.Run(1), 0);
    EXPECT_EQ(rig.Tables().size(), c.tables);
    EXPECT_EQ(rig.hive.ReadText(test::kProductPath, u"LatestFolder"),
              c.latestFolder ? std::optional<std::u16string>(u"C:\\Work") : std::nullopt);
  }

  // SaveLatestFolder 0 keeps the registry as it was.
  ImportRig rig(json);
  rig.SetOption(options::kSaveLatestFolder, 0);
  EXPECT_EQ(rig.Run(0), 0);
  EXPECT_FALSE(rig.hive.Read(test::kProductPath, u"LatestFolder").has_value());
}

TEST(RunImport, OptionKeyOfTheImportFollowsFuncStateAndUseGlobalOption) {
  // ImportObj 0 under the key in force turns the shapes pass off; the global set says
  // otherwise. OnlyPrintArea shows which key was read: the print area is 2 x 2, the used
  // range 3 x 3.
  const std::string json = Sheet(R"("usedRange":"A1:C3","printArea":"A1:B2","cells":{"A1":1})");
  struct Case {
    int funcState;
    int useGlobal;
    Table table;
  };
  for (const Case c : {Case{0, 0, {2, 2}}, Case{1, 0, {3, 3}}, Case{1, 1, {2, 2}}, Case{2, 1, {3, 3}}}) {
    SCOPED_TRACE(testing::Message() << c.funcState << "/" << c.useGlobal);
    ImportRig rig(json);
    rig.SetOption(options::kFuncState, c.funcState);
    rig.SetOption(options::kUseGlobalOption, c.useGlobal);
    rig.SetOption(options::kOnlyPrintArea, 1);  // the global set only
    EXPECT_EQ(rig.Run(0), 0);
    EXPECT_EQ(rig.Tables(), std::vector<Table>{c.table});
  }
}

TEST(RunImport, OnlyPrintAreaWithoutAPrintAreaTakesTheUsedRange) {
  ImportRig rig(Sheet(R"("usedRange":"A1:C3","cells":{"A1":1})"));
  rig.SetOption(options::kOnlyPrintArea, 1);
  EXPECT_EQ(rig.Run(0), 0);
  EXPECT_EQ(rig.Tables(), (std::vector<Table>{{3, 3}}));
}

TEST(RunImport, UseRangeNameReadsTheNameOnlyWhenAsked) {
  const std::string json = R"({"selection":"B2:C3","names":{"Pumps":"Data!$B$2:$C$3"},
      "sheets":[{"name":"Data","cells":{"B2":1}}]})";
  {
    ImportRig rig(json);
    EXPECT_EQ(rig.Run(1), 0);
    EXPECT_EQ(rig.excel->CallCount("Range.Name"), 0u);
    EXPECT_EQ(SentCells(rig), (std::vector<SentCell>{{u"$B$2", u"$B$2:$C$3"}, {u"$C$2", u"$B$2:$C$3"},
                                                     {u"$B$3", u"$B$2:$C$3"}, {u"$C$3", u"$B$2:$C$3"}}));
  }
  {
    // The name, not the address, goes out with every cell.
    ImportRig rig(json);
    rig.SetOption(options::kUseRangeName, 1);
    EXPECT_EQ(rig.Run(1), 0);
    EXPECT_EQ(rig.excel->CallCount("Name.Name"), 1u);
    EXPECT_EQ(SentCells(rig), (std::vector<SentCell>{{u"$B$2", u"Pumps"}, {u"$C$2", u"Pumps"},
                                                     {u"$B$3", u"Pumps"}, {u"$C$3", u"Pumps"}}));
  }
  {
    // No name on the selection: the error Excel raises is swallowed and the address stays.
    ImportRig rig(R"({"selection":"B2:C4","sheets":[{"name":"Data","cells":{"B2":1}}]})");
    rig.SetOption(options::kUseRangeName, 1);
    EXPECT_EQ(rig.Run(1), 0);
    EXPECT_EQ(rig.Tables(), (std::vector<Table>{{3, 2}}));
    EXPECT_TRUE(rig.messages.shown.empty());
  }
}

// The import log of a run, as text (it is written in UTF-16).
std::u16string ImportLogText(test::TempFolder& documents) {
  const std::vector<unsigned char> bytes = documents.Read(u"Vellumark-Import.log");
  std::u16string text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) text.push_back(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
  return text;
}

// Its lines that are not checkpoints (".cpp: <step>"), in order.
std::vector<std::u16string> LabelledLines(const std::u16string& log) {
  std::vector<std::u16string> lines;
  for (size_t at = 0; at < log.size();) {
    const size_t end = log.find(u"\r\n", at);
    const std::u16string line = log.substr(at, end == std::u16string::npos ? std::u16string::npos : end - at);
    if (line.rfind(u".cpp: ", 0) != 0) lines.push_back(line);
    at = end == std::u16string::npos ? log.size() : end + 2;
  }
  return lines;
}

// LogImport on: the log in the documents folder opens with its header and the run's first step,
// holds the table pass's labelled lines for the workbook, each row, column and cell, and closes
// after the run's last step.
TEST(RunImport, LogsTheRunFromItsFirstToItsLastStep) {
  test::TempFolder documents;
  CLogFile::SetClock([] {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 10, t.tm_hour = 9, t.tm_min = 5, t.tm_sec = 7;
    return t;
  });
  {
    // The log stays open (exclusively) until the add-in object goes away.
    ImportRig rig(Sheet(R"("usedRange":"A1:B2","cells":{"A1":1})", R"("workbook":"Plan.xlsx","path":"C:\\Work",)"));
    test::TestShell shell(documents.Path());
    rig.SetOption(options::kLogImport, 1);
    ASSERT_EQ(rig.Run(0), 0);
  }
  CLogFile::SetClock({});
  const std::u16string log = ImportLogText(documents);
  const std::u16string start =
      u"Product: Vellumark.\r\nVersion 6.0.2.0.\r\nSession start: December 10, 2026 09:05:07\r\n.cpp: 1303\r\n";
  const std::u16string end = u".cpp: 1603\r\nSession end: December 10, 2026 09:05:07\n";
  EXPECT_EQ(log.substr(0, start.size()), start);
  ASSERT_GE(log.size(), end.size());
  EXPECT_EQ(log.substr(log.size() - end.size()), end);
  EXPECT_EQ(LabelledLines(log),
            (std::vector<std::u16string>{u"Product: Vellumark.", u"Version 6.0.2.0.",
                                         u"Session start: December 10, 2026 09:05:07", u"C:\\Work\\Plan.xlsx: 934",
                                         u"Data: 935", u": 936", u"iRow : 1", u"iCol : 1", u"$A$1: 991", u"iCol : 2",
                                         u"$B$1: 991", u"iRow : 2", u"iCol : 1", u"$A$2: 991", u"iCol : 2",
                                         u"$B$2: 991", u"Session end: December 10, 2026 09:05:07\n"}));
}

// A failed run's log ends at the step its message names.
TEST(RunImport, TheLogOfAFailedRunEndsAtTheStepItsMessageNames) {
  struct Case {
    const char* what;
    int selected;
    std::string failMember;
    int step;
  };
  const Case cases[] = {
      {"the used range's size", 0, "Range.Rows", 1479},
      {"a cell's fill", 0, "Range.Interior", 979},
      {"the workbook", 1, "Workbook.Name", 1545},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder documents;
    {
      ImportRig rig(Sheet(R"("cells":{"A1":1})"));
      test::TestShell shell(documents.Path());
      rig.SetOption(options::kLogImport, 1);
      rig.excel->FailMember(c.failMember, kEFail);
      EXPECT_EQ(rig.Run(c.selected), c.step);
    }
    const std::u16string log = ImportLogText(documents);
    const size_t last = log.rfind(u".cpp: ");
    ASSERT_NE(last, std::u16string::npos);
    EXPECT_EQ(log.substr(last, log.find(u"\r\n", last) - last), u".cpp: " + fake::Utf16(std::to_string(c.step)));
  }
}

// Every row of the failure table: result, message and what the receiver saw.
TEST(RunImport, FailuresEndWithTheirCodeAndMessage) {
  struct Case {
    const char* what;
    std::string json;
    int selected;
    std::string failMember;
    int32_t hr;
    int showError;
    int result;
    std::vector<std::u16string> texts;
  };
  const std::string plain = Sheet(R"("cells":{"A1":1})");
  const std::vector<Case> cases = {
      {"no active sheet", Sheet(R"("cells":{})", R"("activeSheet":null,)"), 0, "", 0, 1, kImportNoActiveSheet,
       {u"Invalid active worksheet: 0x0, 1343"}},
      {"active sheet fails", plain, 0, "Application.ActiveSheet", kExcelError, 1, kImportNoActiveSheet,
       {u"Invalid active worksheet: 0x800a03ec, 1343"}},
      {"no selection", Sheet(R"("cells":{})", R"("selection":null,)"), 1, "", 0, 1, kImportNoSelection,
       {u"Invalid selection: 0x0, 1358"}},
      {"selection fails", plain, 1, "Application.Selection", kEFail, 1, kImportNoSelection,
       {u"Invalid selection: 0x80004005, 1358"}},
      {"a shape is selected", Sheet(R"("cells":{})", R"("selection":{"shape":"Chart 1"},)"), 1, "", 0, 1,
       kImportNotARange, {u"Invalid selected range: 0x80004002, 1370"}},
      {"busy in the driver", plain, 1, "Range.Address", kExcelBusy, 1, kExcelBusy, {}},
      {"busy at the active sheet", plain, 0, "Application.ActiveSheet", kExcelBusy, 1, kExcelBusy, {}},
      {"busy in the table pass", plain, 0, "Range.Top", kExcelBusy, 1, kExcelBusy, {}},
      {"COM error", plain, 0, "Workbook.Name", kEFail, 1, 1545,
       {u"Zelkor Vellumark Error: Unspecified error, 1545, -1, 0, 0"}},
      {"COM error, ShowError 0", plain, 0, "Workbook.Name", kEFail, 0, 1545, {}},
      {"COM error sizing the used range", plain, 0, "Range.Rows", kEFail, 1, 1479,
       {u"Zelkor Vellumark Error: Unspecified error, 1479, -1, 0, 0"}},
      {"COM error in the table pass", plain, 1, "Range.Rows", kEFail, 1, 905,
       {u"Zelkor Vellumark Error: Unspecified error, 905, -1, 0, 0"}},
      {"COM error at a cell", Sheet(R"("cells":{"A1":1,"B2":2})"), 0, "Range.Interior", kEFail, 1, 979,
       {u"Zelkor Vellumark Error: Unspecified error, 979, -1, 1, 1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImportRig rig(c.json);
    rig.SetOption(options::kShowError, c.showError);
    if (!c.failMember.empty()) rig.excel->FailMember(c.failMember, c.hr);
    EXPECT_EQ(rig.Run(c.selected), c.result);
    EXPECT_EQ(rig.Texts(), c.texts);
    for (const auto& shown : rig.messages.shown) EXPECT_EQ(shown.style, kMbOk | kMbIconWarning);
    EXPECT_TRUE(rig.Ends().empty());
    EXPECT_EQ(rig.excel->screenUpdatingPuts, (std::vector<bool>{false, true}));
    EXPECT_EQ(rig.progress.alive, 0);
  }
}

// Excel always answers a count with a number. Empty is an answer of the wrong type like an
// object is: the import fails at the step it was at and sends nothing, rather than sending an
// empty table and reporting success.
TEST(RunImport, ACountAnsweredEmptyFailsAsAWrongTypeDoes) {
  using Unexpected = fake::FakeExcel::Unexpected;
  const struct {
    const char* what;
    int selected;
    Unexpected answer;
    int result;
    std::u16string text;
  } cases[] = {
      {"used range, Empty", 0, Unexpected::Empty, 1479, u"Zelkor Vellumark Error: Type mismatch., 1479, -1, 0, 0"},
      {"used range, an object", 0, Unexpected::WrongType, 1479,
       u"Zelkor Vellumark Error: Type mismatch., 1479, -1, 0, 0"},
      {"selection, Empty", 1, Unexpected::Empty, 905, u"Zelkor Vellumark Error: Type mismatch., 905, -1, 0, 0"},
      {"selection, an object", 1, Unexpected::WrongType, 905, u"Zelkor Vellumark Error: Type mismatch., 905, -1, 0, 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ImportRig rig(Sheet(R"("cells":{"A1":1,"B2":2})", R"("selection":"A1:B2",)"));
    rig.excel->AnswerMember("Range.Count", c.answer);
    EXPECT_EQ(rig.Run(c.selected), c.result);
    EXPECT_EQ(rig.Texts(), std::vector<std::u16string>{c.text});
    EXPECT_TRUE(rig.link.messages.empty());  // no table announced, no end
    EXPECT_EQ(rig.excel->screenUpdatingPuts, (std::vector<bool>{false, true}));
    EXPECT_EQ(rig.progress.alive, 0);
  }
}

TEST(RunImport, WithoutExcelReturns1300AndTouchesNothing) {
  ImportRig rig;
  rig.driver.m_pExcel = nullptr;
  EXPECT_EQ(rig.Run(0), kImportNoExcel);
  EXPECT_TRUE(rig.messages.shown.empty());
  EXPECT_TRUE(rig.link.messages.empty());
}

// A failure that is not a COM error is reported as unknown, with the step it happened at.
TEST(RunImport, OtherFailuresAreUnknownErrors) {
  struct ThrowingProgress final : ProgressFactory {
    ThrowingProgress() { SetCurrent(this); }
    ~ThrowingProgress() override { SetCurrent(nullptr); }
    std::unique_ptr<ProgressWindow> Create() override { throw std::runtime_error("no window"); }
  };
  ImportRig rig;
  ThrowingProgress progress;
  EXPECT_EQ(rig.Run(0), 1540);
  EXPECT_EQ(rig.Texts(), std::vector<std::u16string>{u"Unknown Error: 1540, -1, 0, 0"});
  EXPECT_EQ(rig.excel->screenUpdatingPuts, (std::vector<bool>{false, true}));
}

TEST(RunImport, WithoutAReceiverReadsEverythingSendsNothingAndSucceeds) {
  ImportRig rig;
  rig.link.SetReceiverPresent(false);
  EXPECT_EQ(rig.Run(0), 0);
  EXPECT_TRUE(rig.link.messages.empty());
  EXPECT_GT(rig.excel->CallCount("Workbook.Path"), 0u);
}

// A WM_LINK_IMPORT dispatched while a pass waits in a send must not run a second import on the
// same state: it is refused as Excel refuses automation while busy.
TEST(RunImport, ASecondImportDuringARunIsRefused) {
  struct ReenteringLink final : LinkChannel {
    CImportDriver* driver = nullptr;
    int nested = -1;
    bool FindReceiver() override { return true; }
    void StartTable(int, int) override { nested = driver->RunImport(1); }
    bool SendRecord(const void*, int) override { return true; }
    void EndLink(int) override {}
  };
  ImportRig rig;
  ReenteringLink link;
  link.driver = &rig.driver;
  rig.driver.m_pLink = &link;
  EXPECT_EQ(rig.Run(0), 0);
  EXPECT_EQ(link.nested, kExcelBusy);
  EXPECT_EQ(rig.Run(0), 0);  // and the guard is released afterwards
}

// Each automation call of a small import fails once, in its own run: never a crash, a result
// the failure table allows, screen updating back on, no progress window left, no end message.
TEST(RunImport, AFaultAtAnyAutomationCallEndsCleanly) {
  // Every cell costs dozens of calls, each swept in a run of its own: the limited area is kept
  // to two rows (last used row 2, times 1.2).
  const std::string json = Sheet(R"("usedRange":"A1:C1000","cells":{"B2":1})", R"("selection":"A1:B2,D1:D3",)");
  for (int selected : {0, 1}) {
    size_t calls = 0;
    {
      ImportRig probe(json);
      ASSERT_EQ(probe.Run(selected), 0);
      calls = probe.excel->CallCount();
    }
    ASSERT_GT(calls, 10u);
    for (size_t k = 1; k <= calls; ++k) {
      SCOPED_TRACE(testing::Message() << "selected " << selected << ", call " << k);
      ImportRig rig(json);
      rig.excel->FailCallAt(k, kExcelError);
      const int result = rig.Run(selected);
      const auto& puts = rig.excel->screenUpdatingPuts;
      EXPECT_EQ(rig.progress.alive, 0);
      if (k == 1 || k == calls) {
        // The failing call is the screen-updating switch itself: ignored, the import goes on.
        EXPECT_EQ(result, 0);
        continue;
      }
      ASSERT_FALSE(puts.empty());
      EXPECT_TRUE(puts.back());
      if (result == 0) {
        // Only a failed UsedRange is dropped: the import goes on with the assumed size.
        EXPECT_EQ(rig.Ends(), std::vector<int64_t>{1});
        continue;
      }
      const bool fixedCode = result == kImportNoActiveSheet || result == kImportNoSelection ||
                             result == kImportNotARange || result == kImportBadLimitedRange;
      EXPECT_TRUE(fixedCode || test::IsStepMark(result)) << result;
      EXPECT_TRUE(rig.Ends().empty());
      EXPECT_EQ(rig.messages.shown.size(), 1u);
    }
  }
}

}  // namespace
}  // namespace vk
