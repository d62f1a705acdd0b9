#include "import/import_driver.h"

#include <memory>

#include "automation/com_error.h"
#include "excel/application.h"
#include "excel/excel_constants.h"
#include "excel/name.h"
#include "excel/page_setup.h"
#include "excel/range.h"
#include "excel/workbook.h"
#include "excel/worksheet.h"
#include "import/a1_address.h"
#include "import/excel_value.h"
#include "import/shapes_pass.h"
#include "import/table_pass.h"
#include "import/uti_func.h"
#include "settings/option_table.h"
#include "settings/registry.h"
#include "text/token_splitter.h"
#include "ui/progress_window.h"
#include "text/text_format.h"
#include "ui/user_messages.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"import_driver.cpp";
constexpr char16_t kLogFileName[] = u"Vellumark-Import.log";
constexpr int32_t kUsedRangeRowLimit = 300;
constexpr int32_t kUsedRangeColumnLimit = 150;
constexpr double kExtentFactor = 1.2;

// The fixed buffers of a run: 511 characters of range text and 127 of sheet name.
constexpr size_t kRangeTextMax = 511;
constexpr size_t kSheetNameMax = 127;

// Excel's screen updating is off for the whole run and back on by every way out; a failure of
// either call must not end or change the import.
class ScreenUpdatingGuard {
 public:
  explicit ScreenUpdatingGuard(const excel::Application& app) : app_(app) { Set(false); }
  ~ScreenUpdatingGuard() { Set(true); }
  ScreenUpdatingGuard(const ScreenUpdatingGuard&) = delete;
  ScreenUpdatingGuard& operator=(const ScreenUpdatingGuard&) = delete;

 private:
  void Set(bool on) noexcept {
    try {
      app_.SetScreenUpdating(on);
    } catch (...) {
    }
  }
  const excel::Application& app_;
};

// Marks a run in progress. A WM_LINK_IMPORT can be dispatched while a pass waits inside a send
// to the receiver; a second run on the same add-in would reuse the first one's log, step mark
// and Excel objects, so it is refused as Excel refuses automation while busy.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

std::u16string FitSheetName(const std::u16string& name) { return name.substr(0, kSheetNameMax); }

// Reads an object whose absence the run reports on the spot: a refusal by Excel comes back as
// Nothing with its code in hr for the message, except Excel's busy refusal, which always ends
// the import silently.
template <typename Read>
auto KeepRefusal(int32_t& hr, Read read) -> decltype(read()) {
  try {
    return read();
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
    hr = error.Error();
    return {};
  }
}

int32_t LastUsedIndex(excel::Range& cells, int32_t searchOrder, bool byRow) {
  excel::Range found = cells.Find(Variant::String(u"*"), Variant::Missing(), Variant::Missing(),
                                  Variant::Missing(), Variant::I4(searchOrder), Variant::I4(excel::kXlPrevious));
  if (!found) return -1;
  const int32_t index = byRow ? found.Row() : found.Column();
  return static_cast<int32_t>(static_cast<double>(index) * kExtentFactor);
}

}  // namespace

CImportDriver::CImportDriver() = default;
CImportDriver::~CImportDriver() = default;

ImportSession CImportDriver::Session() {
  return ImportSession(m_nStep, m_log, m_pExcel, m_nExcelVersion, m_nSupportWMF != 0, m_pLink, m_activeCell);
}

int CImportDriver::RunImport(int bSelectedRange) {
  if (m_bRunning) return kExcelBusy;
  RunningFlag running(m_bRunning);
  // The steps report their own failures; what escapes them (opening the log, reading the
  // options before the first step, or the failure report itself failing) ends the run at the
  // step it reached without reaching the caller, which is a COM entry point.
  try {
    return ImportSteps(bSelectedRange);
  } catch (...) {
    return m_nStep;
  }
}

namespace {

// One run of the import, from the area choice to the end message. It keeps what the steps
// hand each other and what the error report names: the cell and shape the passes were at.
class ImportRun {
 public:
  ImportRun(const ImportSession& session, int32_t funcState, int bSelectedRange)
      : session_(session), app_(session.App()), funcState_(funcState), bSelectedRange_(bSelectedRange) {}

  // Reads the options and picks the sheet and the area to import. 0 when there is one to
  // import, otherwise the result of a refusal that has been shown to the user.
  int ChooseArea();
  // Shows the progress window and runs the table (and shapes) pass for each table.
  void RunTables();
  // Remembers the workbook's folder and tells the receiver the import is over.
  void Finish();
  // The report of an unexpected failure; the run's result is the step mark.
  int Fail(const ComError* error);
  void CloseProgress() { progress_.reset(); }

 private:
  int TakeSelection();
  void TakePrintArea();
  int TakeUsedRange();
  void RunTable(const TablePassContext& tables, const ShapesPassContext& shapes, excel::Range& area,
                const std::u16string& rangeText);

  void Mark(int32_t step) { session_.Mark(step, kTag); }

  const ImportSession& session_;
  const excel::Application app_;
  const int32_t funcState_;
  const int bSelectedRange_;
  // Shapes are sent only inside the area: set with the area, for a selection or a print area.
  bool clipShapesToArea_ = false;
  std::u16string optionKey_;
  uint32_t importObj_ = 0;
  excel::Worksheet sheet_;
  excel::Range range_;
  std::u16string rangeText_;
  std::unique_ptr<ProgressWindow> progress_;
  excel::Workbook workbook_;
  std::u16string workbookFolder_;
  ImportPosition position_;
};

int ImportRun::ChooseArea() {
  Mark(1324);
  optionKey_ = ImportOptionKey(funcState_, ReadOption(options::kUseGlobalOption));
  importObj_ = static_cast<uint32_t>(ReadOption(options::kImportObj, optionKey_));

  int32_t hr = kSOk;
  sheet_ = KeepRefusal(hr, [&] { return app_.ActiveSheet(); });
  if (!sheet_) {
    ShowWarning(FormatText(u"Invalid active worksheet: 0x%x, %d", {int64_t{hr}, int64_t{1343}}));
    return kImportNoActiveSheet;
  }

  Mark(1350);
  if (bSelectedRange_ != 0) {
    clipShapesToArea_ = true;
    return TakeSelection();
  }
  TakePrintArea();
  return range_ ? 0 : TakeUsedRange();
}

// The selection, or the defined name that refers to it when the user wants names.
int ImportRun::TakeSelection() {
  int32_t hr = kSOk;
  const ObjectPtr selection = KeepRefusal(hr, [&] { return app_.Selection(); });
  if (!selection) {
    ShowWarning(FormatText(u"Invalid selection: 0x%x, %d", {int64_t{hr}, int64_t{1358}}));
    return kImportNoSelection;
  }
  Mark(1365);
  // A selected shape or chart is not a Range and refuses the interface.
  range_ = KeepRefusal(hr, [&] { return excel::Range(selection->QueryInterface(kIidExcelRange)); });
  if (!range_) {
    ShowWarning(FormatText(u"Invalid selected range: 0x%x, %d", {int64_t{hr}, int64_t{1370}}));
    return kImportNotARange;
  }
  rangeText_ = range_.Address(Variant::Missing(), Variant::Missing(), Variant::I4(excel::kXlA1));
  Mark(1378);
  if (ReadOption(options::kUseRangeName, optionKey_) != 0) {
    try {
      const Variant name = range_.Name();
      if (name.IsObject() && name.ObjectValue()) rangeText_ = excel::Name(name.ObjectValue()).NameText();
    } catch (const ComError&) {
      // A selection without a defined name keeps its address.
    }
  }
  return 0;
}

// A worksheet import of a sheet with a print area takes that area, and like a selection sends
// only the shapes inside it.
void ImportRun::TakePrintArea() {
  if (ReadOption(options::kOnlyPrintArea, optionKey_) == 0) return;
  excel::PageSetup pageSetup = sheet_.PageSetup();
  Mark(1406);
  const std::u16string printArea = pageSetup.PrintArea();
  Mark(1408);
  if (printArea.empty()) return;
  range_ = sheet_.Range(Variant::String(printArea));
  Mark(1418);
  clipShapesToArea_ = true;
}

// The used range is often far larger than the content (formats on whole rows or columns), so
// from 300 rows or 150 columns on it is cut to 1.2 times the last used row and column.
int ImportRun::TakeUsedRange() {
  try {
    range_ = sheet_.UsedRange();
  } catch (const ComError&) {
    range_ = excel::Range();  // an area of 400 x 200 is assumed and cut by the search below
  }
  int32_t rows = 400;
  int32_t columns = 200;
  if (range_) {
    Mark(1479);
    rows = range_.Rows().Count();
    columns = range_.Columns().Count();
    Mark(1483);
  }
  Mark(1488);
  if (rows < kUsedRangeRowLimit && columns < kUsedRangeColumnLimit) return 0;

  excel::Range cells = sheet_.Cells();
  int32_t rowLimit = rows;
  int32_t columnLimit = columns;
  if (rows >= kUsedRangeRowLimit) {
    Mark(1502);
    const int32_t n = LastUsedIndex(cells, excel::kXlByRows, true);
    if (n >= 0 && n < rowLimit) rowLimit = n;
  }
  Mark(1513);
  if (columns >= kUsedRangeColumnLimit) {
    const int32_t n = LastUsedIndex(cells, excel::kXlByColumns, false);
    if (n >= 0 && n < columnLimit) columnLimit = n;
  }
  Mark(1526);
  range_ = sheet_.Range(Variant::Object(cells.Item(Variant::I4(1), Variant::I4(1)).Object()),
                        Variant::Object(cells.Item(Variant::I4(rowLimit), Variant::I4(columnLimit)).Object()));
  if (!range_) {
    ShowWarning(FormatText(u"Invalid range: %ld, %ld", {int64_t{rowLimit}, int64_t{columnLimit}}));
    return kImportBadLimitedRange;
  }
  return 0;
}

void ImportRun::RunTables() {
  Mark(1540);
  progress_ = ProgressFactory::Current().Create();

  Mark(1545);
  workbook_ = app_.ActiveWorkbook();
  const std::u16string workbookName = workbook_.Name();
  workbookFolder_ = workbook_.Path();

  Mark(1550);
  const TablePassContext tables{session_, workbook_, sheet_, FitSheetName(sheet_.Name()), progress_.get(), position_};
  const ShapesPassContext shapes{session_,        sheet_,       funcState_, importObj_, clipShapesToArea_,
                                 workbookFolder_, workbookName, position_};

  // Only a plain import splits a selection of several areas into tables: the CAD side's
  // other modes expect one table per request.
  if (bSelectedRange_ != 0 && funcState_ == 0 && rangeText_.find(u',') != std::u16string::npos) {
    for (const std::u16string& piece : SplitTokens(rangeText_, u",")) {
      Mark(1566);
      excel::Range area = sheet_.Range(Variant::String(piece));
      RunTable(tables, shapes, area, piece);
    }
  } else {
    Mark(1581);
    RunTable(tables, shapes, range_, rangeText_);
  }
}

void ImportRun::RunTable(const TablePassContext& tables, const ShapesPassContext& shapes, excel::Range& area,
                         const std::u16string& rangeText) {
  const AreaGeometry geometry = TablePass(tables, area, FitWholeAreas(rangeText, kRangeTextMax));
  if ((importObj_ & kImportAutoShape) != 0) ShapesPass(shapes, geometry);
}

void ImportRun::Finish() {
  // The CAD side offers the folder of the workbook imported last, but only after a plain import.
  Mark(1592);
  if (funcState_ == 0 && ReadOption(options::kSaveLatestFolder) != 0) {
    WriteOption(options::kLatestFolder, kProductKey, workbookFolder_);
  }
  Mark(1598);
  session_.EndLink(kLinkEndImported);
  Mark(1603);
  progress_.reset();
}

int ImportRun::Fail(const ComError* error) {
  // The progress window would cover the message box.
  progress_.reset();
  if (error != nullptr && error->Error() == kExcelBusy) return kExcelBusy;
  const int32_t step = session_.Step();
  if (ReadOption(options::kShowError) == 0) return step;
  const int64_t shape = position_.shapeIndex;
  const int64_t row = position_.row;
  const int64_t column = position_.column;
  if (error != nullptr) {
    ShowWarning(FormatText(u"Zelkor Vellumark Error: %s, %d, %d, %d, %d",
                           {std::u16string_view(error->ErrorMessage()), int64_t{step}, shape, row, column}));
  } else {
    ShowWarning(FormatText(u"Unknown Error: %d, %d, %d, %d", {int64_t{step}, shape, row, column}));
  }
  return step;
}

}  // namespace

int CImportDriver::ImportSteps(int bSelectedRange) {
  // The log goes to the documents folder, or beside Excel when the shell cannot name it.
  std::u16string logPath = CUtiFunc::DocumentsFolder();
  CUtiFunc::AddTrailingBackslash(logPath);
  logPath += kLogFileName;
  m_log.Open(logPath);

  if (!m_pExcel) return kImportNoExcel;
  const ImportSession session = Session();
  const excel::Application app = session.App();
  session.Mark(1303, kTag);

  CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
  ImportRun run(session, ReadOption(options::kFuncState), bSelectedRange);

  // Excel would repaint for every cell read otherwise; the guard switches it back on by every
  // way out, the failures below included.
  ScreenUpdatingGuard screenUpdating(app);
  // Conditional formats are evaluated with their cell active; the user gets the selection back.
  CActiveCellKeeper::RestoreOnExit restoreActiveCell(m_activeCell);
  try {
    if (const int refused = run.ChooseArea(); refused != 0) return refused;
    run.RunTables();
    run.Finish();
    return 0;
  } catch (const ComError& error) {
    return run.Fail(&error);
  } catch (...) {
    return run.Fail(nullptr);
  }
}

}  // namespace vk
