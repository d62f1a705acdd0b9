#include "import/table_pass.h"

#include <cstring>
#include <memory>

#include "excel/excel_constants.h"
#include "excel/page_setup.h"
#include "excel/range.h"
#include "excel/workbook.h"
#include "excel/worksheet.h"
#include "import/a1_address.h"
#include "import/cell_borders.h"
#include "import/cell_fill.h"
#include "import/cell_font.h"
#include "import/cell_text.h"
#include "import/conditional_formats.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "link/cell_record.h"
#include "settings/option_table.h"
#include "ui/progress_window.h"
#include "text/text_format.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"table_pass.cpp";
// Below this a row or column is hidden: Excel measures it 0.
constexpr double kHiddenSize = 0.000001;
// A formula or number format longer than its field is not sent at all rather than cut into
// something the CAD side's table object would misread.
constexpr size_t kFormulaMax = 511;
constexpr size_t kNumberFormatMax = 127;
constexpr size_t kTextMax = sizeof(CellRecord::text) / sizeof(char16_t) - 1;
// The range text of a multi-area selection (FuncState other than 0 passes it whole) or a long
// range name can exceed the record's 63 characters: the import goes on with what fits.
constexpr size_t kAreaAddressMax = sizeof(CellRecord::areaAddress) / sizeof(char16_t) - 1;

// Excel aligns a General cell by what it holds: numbers and dates to the right. The receiver
// has no General, so it gets the side Excel shows.
bool IsNumberType(VarType type) {
  switch (static_cast<uint16_t>(type)) {
    case 2: case 3: case 4: case 5: case 7: case 14:
    case 16: case 17: case 18: case 19: case 20: case 21: case 22: case 23:
      return true;
    default:
      return false;  // currency, text, booleans and errors stay General
  }
}

class TableRun {
 public:
  TableRun(const TablePassContext& context, excel::Range& area, const std::u16string& rangeText)
      : context_(context), session_(context.session), position_(context.position), area_(area),
        rangeText_(rangeText), areaAddress_(FitWholeAreas(rangeText, kAreaAddressMax)), record_(std::make_unique<CellRecord>()) {}

  AreaGeometry Run();

 private:
  void Mark(int32_t step) { session_.Mark(step, kTag); }
  void Clear();
  void ReadCell(const excel::Range& cell);
  void ReadFormula(const excel::Range& cell);
  int32_t ResolveAlignment(int32_t alignment, const std::u16string& text, VarType valueType) ;
  void Send();

  const TablePassContext& context_;
  const ImportSession& session_;
  ImportPosition& position_;
  AreaGeometry geometry_;
  excel::Range& area_;
  const std::u16string& rangeText_;
  const std::u16string areaAddress_;
  std::unique_ptr<CellRecord> record_;  // one buffer for the whole table
  Gridlines gridlines_ = Gridlines::NotPrinted;
  bool tableObject_ = false;
};

AreaGeometry TableRun::Run() {
  Mark(899);
  excel::PageSetup pageSetup = context_.worksheet.PageSetup();
  Mark(902);
  gridlines_ = pageSetup.PrintGridlines() ? Gridlines::Printed : Gridlines::NotPrinted;
  Mark(905);

  AreaGeometry& geometry = geometry_;
  geometry.top = area_.Top();
  geometry.left = area_.Left();
  geometry.width = area_.Width();
  geometry.height = area_.Height();
  const int32_t rowCount = area_.Rows().Count();
  const int32_t columnCount = area_.Columns().Count();

  Mark(917);
  ProgressWindow& progress = *context_.progress;
  progress.SetText(FormatText(u"Table Size: %d rows X %d columns", {int64_t{rowCount}, int64_t{columnCount}}));
  progress.SetRange(0, rowCount * columnCount);
  progress.SetPos(0);
  progress.SetStep(1);

  Mark(928);
  session_.StartTable(rowCount, columnCount);
  session_.Log().WriteLine(context_.workbook.FullName(), 934);
  session_.Log().WriteLine(context_.sheetName, 935);
  session_.Log().WriteLine(rangeText_, 936);

  // Table objects on the CAD side are a choice of the drawing, not of an option set.
  tableObject_ = ReadOption(options::kTableObjOpt, kProductKey) != 0;

  // The counters are the run's: after a failure they name the cell it happened at.
  for (position_.row = 1; position_.row <= rowCount; ++position_.row) {
    session_.Log().WriteLine(u"iRow ", position_.row);
    for (position_.column = 1; position_.column <= columnCount; ++position_.column) {
      session_.Log().WriteLine(u"iCol ", position_.column);
      Clear();
      const excel::Range cell = area_.Item(Variant::I4(position_.row), Variant::I4(position_.column));
      ReadCell(cell);
    }
  }
  return geometry_;
}

void TableRun::Clear() {
  CellRecord& record = *record_;
  std::memset(&record, 0, sizeof record);
  record.size = kCellRecordSize;
  SetField(record.areaAddress, areaAddress_);
  SetField(record.sheetName, context_.sheetName);
  record.underline = kXlNone;
}

void TableRun::ReadCell(const excel::Range& cell) {
  CellRecord& record = *record_;
  Mark(962);
  record.width = cell.Width();
  Mark(964);
  record.height = cell.Height();
  Mark(967);
  // A hidden row or column: the receiver keeps its place in the table, nothing more.
  if (record.width < kHiddenSize || record.height < kHiddenSize) {
    context_.progress->StepIt();
    Send();
    return;
  }

  Mark(979);
  const excel::Range mergeArea = cell.MergeArea();
  const excel::Interior interior = cell.Interior();
  // Read here although the font is taken again below: a cell whose Font Excel refuses must fail
  // at this step, which the error message and the log name, not after its fill and borders.
  const excel::Font font = cell.Font();
  const excel::Borders borders = cell.Borders();

  Mark(986);
  // Row and column numbers as the absolute flags: non-zero, so both parts are absolute.
  const Variant row = Variant::I4(position_.row);
  const Variant column = Variant::I4(position_.column);
  SetField(record.address, cell.Address(row, column, Variant::I4(excel::kXlA1)));
  Mark(991);
  session_.Log().WriteLine(FieldText(record.address), 991);

  const std::u16string text = cell.Text();
  if (!text.empty() && text.size() <= kTextMax) EscapeCellText(text, record.text, kTextMax + 1);

  Mark(998);
  const VarType valueType = cell.Value().Type();
  ReadFormula(cell);

  Mark(1020);
  record.orientation = cell.Orientation();
  record.indentLevel = cell.IndentLevel();
  record.wrapText = cell.WrapText() ? 1 : 0;
  record.left = cell.Left() - geometry_.left;
  record.top = cell.Top() - geometry_.top;

  Mark(1030);
  record.horizontalAlignment = ResolveAlignment(cell.HorizontalAlignment(), text, valueType);
  record.verticalAlignment = cell.VerticalAlignment();

  Mark(1050);
  SetField(record.mergeAddress, mergeArea.Address(row, column, Variant::I4(excel::kXlA1)));
  Mark(1055);
  record.mergeWidth = mergeArea.Width();
  record.mergeHeight = mergeArea.Height();

  // Conditional formats come last: what holds overwrites the cell's own formats.
  Mark(1059);
  ReadFill(session_, record, interior, context_.workbook);
  Mark(1064);
  ReadBorders(session_, record, borders, FormatSource::Cell, gridlines_);
  Mark(1080);
  const excel::Font ownFont = cell.Font();
  ReadCellFont(session_, record, ownFont, cell, FormatSource::Cell);
  ApplyConditionalFormats(session_, record, cell, context_.workbook, context_.worksheet);

  Mark(1089);
  context_.progress->StepIt();
  Mark(1092);
  Send();
  Mark(1096);
}

// The formula goes only to a table object, and only whole; a failure here leaves the record
// without it.
void TableRun::ReadFormula(const excel::Range& cell) {
  CellRecord& record = *record_;
  try {
    const bool hasFormula = cell.HasFormula();
    if (!tableObject_ || !hasFormula) return;
    Mark(1006);
    const std::u16string formula = cell.Formula();
    if (formula.empty() || formula.size() > kFormulaMax) return;
    SetField(record.formula, formula);
    SetField(record.numberFormat, std::u16string_view(cell.NumberFormat()).substr(0, kNumberFormatMax));
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

int32_t TableRun::ResolveAlignment(int32_t alignment, const std::u16string& text, VarType valueType) {
  if (text.empty() || alignment != excel::kXlGeneral) return alignment;
  Mark(1033);
  if (record_->orientation == excel::kXlUpward) return excel::kXlRight;
  if (record_->orientation == excel::kXlDownward) return excel::kXlLeft;
  return IsNumberType(valueType) ? excel::kXlRight : alignment;
}

void TableRun::Send() { session_.SendRecord(record_.get(), record_->size); }

}  // namespace

AreaGeometry TablePass(const TablePassContext& context, excel::Range& area, const std::u16string& rangeText) {
  // Without a progress window the driver could not show where the import is; nothing is sent.
  if (context.progress == nullptr) return {};
  return TableRun(context, area, rangeText).Run();
}

}  // namespace vk
