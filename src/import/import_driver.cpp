#include "import/import_driver.h"

#include <memory>

#include "automation/com_error.h"
#include "excel/application.h"
#include "excel/name.h"
#include "excel/page_setup.h"
#include "excel/range.h"
#include "excel/workbook.h"
#include "excel/worksheet.h"
#include "import/shapes_pass.h"
#include "import/table_pass.h"
#include "import/uti_func.h"
#include "settings/option_table.h"
#include "settings/registry.h"
#include "settings/token_splitter.h"
#include "ui/progress_window.h"
#include "ui/text_format.h"
#include "ui/user_messages.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"import_driver.cpp";
constexpr char16_t kLogFileName[] = u"Vellumark-Import.log";
constexpr int32_t kUsedRangeRowLimit = 300;
constexpr int32_t kUsedRangeColumnLimit = 150;
constexpr double kExtentFactor = 1.2;
constexpr int32_t kXlByRows = 1;
constexpr int32_t kXlByColumns = 2;
constexpr int32_t kXlPrevious = 2;
constexpr int32_t kXlA1 = 1;

// The fixed buffers of a run: 511 characters of range text and 127 of sheet name.
constexpr size_t kRangeTextMax = 511;
constexpr size_t kSheetNameMax = 127;

// Excel's screen updating is off for the whole run and back on by every way out; a failure of
// either call must not end or change the import.
class ScreenUpdatingGuard {
 public:
  explicit ScreenUpdatingGuard(excel::Application& app) : app_(app) { Set(false); }
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
  excel::Application& app_;
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

// A range text longer than its buffer keeps as many whole areas as fit, so that no area
// arrives cut in the middle of its address; a single over-long piece is cut at the limit.
std::u16string FitRangeText(const std::u16string& text) {
  if (text.size() <= kRangeTextMax) return text;
  size_t comma = text.rfind(u',', kRangeTextMax);
  return text.substr(0, comma == std::u16string::npos || comma == 0 ? kRangeTextMax : comma);
}

std::u16string FitSheetName(const std::u16string& name) { return name.substr(0, kSheetNameMax); }

// Excel's busy refusal always ends the import silently, also where a failed call is
// otherwise reported on the spot.
void RethrowIfBusy(const ComError& error) {
  if (error.Error() == kExcelBusy) throw error;
}

int32_t LastUsedIndex(excel::Range& cells, int32_t searchOrder, bool byRow) {
  excel::Range found = cells.Find(Variant::String(u"*"), Variant::Missing(), Variant::Missing(),
                                  Variant::Missing(), Variant::I4(searchOrder), Variant::I4(kXlPrevious));
  if (!found) return -1;
  const int32_t index = byRow ? found.Row() : found.Column();
  return static_cast<int32_t>(static_cast<double>(index) * kExtentFactor);
}

}  // namespace

CImportDriver::CImportDriver() = default;
CImportDriver::~CImportDriver() = default;

void CImportDriver::Mark(int32_t step, const char16_t* tag) {
  m_nStep = step;
  m_log.WriteLine(tag, step);
}

int CImportDriver::RunImport(int bSelectedRange) {
  if (m_bRunning) return kExcelBusy;
  RunningFlag running(m_bRunning);
  return ImportSteps(bSelectedRange);
}

int CImportDriver::ImportSteps(int bSelectedRange) {
  // 1. The log goes to the documents folder.
  std::u16string logPath = CUtiFunc::DocumentsFolder();
  CUtiFunc::AddTrailingBackslash(logPath);
  logPath += kLogFileName;
  m_log.Open(logPath);

  // 2.
  if (!m_pExcel) return kImportNoExcel;
  excel::Application app(m_pExcel);

  // 3.
  Mark(1303, kTag);
  int32_t row = 0;
  int32_t column = 0;
  int32_t shapeIndex = -1;
  std::unique_ptr<ProgressWindow> progress;

  // 4.
  CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
  const int32_t funcState = ReadOption(options::kFuncState);
  std::u16string rangeText;
  std::u16string sheetName;
  double left = 0, top = 0, width = 0, height = 0;

  // 5.
  ScreenUpdatingGuard screenUpdating(app);
  try {
    // 6.
    Mark(1324, kTag);
    const std::u16string optionKey =
        ImportOptionKey(funcState, ReadOption(options::kUseGlobalOption));
    const uint32_t importObj = static_cast<uint32_t>(ReadOption(options::kImportObj, optionKey));

    // 7.
    excel::Worksheet sheet;
    int32_t hr = kSOk;
    try {
      sheet = app.ActiveSheet();
    } catch (const ComError& error) {
      RethrowIfBusy(error);
      hr = error.Error();
    }
    if (!sheet) {
      ShowWarning(FormatText(u"Invalid active worksheet: 0x%x, %d", {int64_t{hr}, int64_t{1343}}));
      return kImportNoActiveSheet;
    }

    excel::Range range;
    Mark(1350, kTag);
    if (bSelectedRange != 0) {
      // 8. The selection, or its defined name.
      ObjectPtr selection;
      try {
        selection = app.Selection();
      } catch (const ComError& error) {
        RethrowIfBusy(error);
        hr = error.Error();
      }
      if (!selection) {
        ShowWarning(FormatText(u"Invalid selection: 0x%x, %d", {int64_t{hr}, int64_t{1358}}));
        return kImportNoSelection;
      }
      Mark(1365, kTag);
      try {
        range = excel::Range(selection->QueryInterface(kIidExcelRange));
      } catch (const ComError& error) {
        RethrowIfBusy(error);
        hr = error.Error();
      }
      if (!range) {
        ShowWarning(FormatText(u"Invalid selected range: 0x%x, %d", {int64_t{hr}, int64_t{1370}}));
        return kImportNotARange;
      }
      rangeText = range.Address(Variant::Missing(), Variant::Missing(), Variant::I4(kXlA1));
      Mark(1378, kTag);
      if (ReadOption(options::kUseRangeName, optionKey) != 0) {
        try {
          const Variant name = range.Name();
          if (name.IsObject() && name.ObjectValue()) rangeText = excel::Name(name.ObjectValue()).NameText();
        } catch (const ComError&) {
          // A selection without a defined name keeps its address.
        }
      }
    } else {
      // 9. The print area, when asked for and present.
      if (ReadOption(options::kOnlyPrintArea, optionKey) != 0) {
        excel::PageSetup pageSetup = sheet.PageSetup();
        Mark(1406, kTag);
        const std::u16string printArea = pageSetup.PrintArea();
        Mark(1408, kTag);
        if (!printArea.empty()) {
          range = sheet.Range(Variant::String(printArea));
          Mark(1418, kTag);
          bSelectedRange = 1;
        }
      }
      // 10. Otherwise the used range, limited when it is large.
      if (!range) {
        try {
          range = sheet.UsedRange();
        } catch (const ComError&) {
          range = excel::Range();
        }
        int32_t rows = 400;
        int32_t columns = 200;
        if (range) {
          Mark(1479, kTag);
          rows = range.Rows().Count();
          columns = range.Columns().Count();
          Mark(1483, kTag);
        }
        Mark(1488, kTag);
        if (rows >= kUsedRangeRowLimit || columns >= kUsedRangeColumnLimit) {
          // 11.
          excel::Range cells = sheet.Cells();
          int32_t rowLimit = rows;
          int32_t columnLimit = columns;
          if (rows >= kUsedRangeRowLimit) {
            Mark(1502, kTag);
            const int32_t n = LastUsedIndex(cells, kXlByRows, true);
            if (n >= 0 && n < rowLimit) rowLimit = n;
          }
          Mark(1513, kTag);
          if (columns >= kUsedRangeColumnLimit) {
            const int32_t n = LastUsedIndex(cells, kXlByColumns, false);
            if (n >= 0 && n < columnLimit) columnLimit = n;
          }
          Mark(1526, kTag);
          range = sheet.Range(Variant::Object(cells.Item(Variant::I4(1), Variant::I4(1)).Object()),
                              Variant::Object(cells.Item(Variant::I4(rowLimit), Variant::I4(columnLimit)).Object()));
          if (!range) {
            ShowWarning(FormatText(u"Invalid range: %ld, %ld", {int64_t{rowLimit}, int64_t{columnLimit}}));
            return kImportBadLimitedRange;
          }
        }
      }
    }

    // 12.
    Mark(1540, kTag);
    progress = ProgressFactory::Current().Create();

    // 13.
    Mark(1545, kTag);
    excel::Workbook workbook = app.ActiveWorkbook();
    const std::u16string workbookName = workbook.Name();
    const std::u16string workbookFolder = workbook.Path();

    // 14.
    Mark(1550, kTag);
    sheetName = FitSheetName(sheet.Name());

    auto runTable = [&](excel::Range& area, const std::u16string& text) {
      TablePass(*this, area, workbook, sheet, &row, &column, FitRangeText(text), sheetName, &left,
                &top, &width, &height, progress.get());
      if ((importObj & kImportAutoShape) != 0) {
        ShapesPass(*this, sheet, &shapeIndex, funcState, importObj, left, top, bSelectedRange, width,
                   height, workbookFolder, workbookName);
      }
    };

    if (bSelectedRange != 0 && funcState == 0 && rangeText.find(u',') != std::u16string::npos) {
      // 15. Each area of a multi-area selection is a table of its own.
      for (const std::u16string& piece : SplitTokens(rangeText, u",")) {
        Mark(1566, kTag);
        excel::Range area = sheet.Range(Variant::String(piece));
        runTable(area, piece);
      }
    } else {
      // 16.
      Mark(1581, kTag);
      runTable(range, rangeText);
    }

    // 17.
    Mark(1592, kTag);
    if (funcState == 0 && ReadOption(options::kSaveLatestFolder) != 0) {
      WriteOption(options::kLatestFolder, kProductKey, workbookFolder);
    }

    // 18.
    Mark(1598, kTag);
    if (m_pLink != nullptr) m_pLink->EndLink(kLinkEndImported);
    Mark(1603, kTag);

    // 19.
    progress.reset();
    return 0;
  } catch (const ComError& error) {
    progress.reset();
    if (error.Error() == kExcelBusy) return kExcelBusy;
    if (ReadOption(options::kShowError) != 0) {
      ShowWarning(FormatText(u"Zelkor Vellumark Error: %s, %d, %d, %d, %d",
                             {std::u16string_view(error.ErrorMessage()), int64_t{m_nStep},
                              int64_t{shapeIndex}, int64_t{row}, int64_t{column}}));
    }
    return m_nStep;
  } catch (...) {
    progress.reset();
    if (ReadOption(options::kShowError) != 0) {
      ShowWarning(FormatText(u"Unknown Error: %d, %d, %d, %d",
                             {int64_t{m_nStep}, int64_t{shapeIndex}, int64_t{row}, int64_t{column}}));
    }
    return m_nStep;
  }
}

}  // namespace vk
