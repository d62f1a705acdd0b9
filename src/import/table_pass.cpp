#include "import/table_pass.h"

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "excel/excel_constants.h"
#include "excel/page_setup.h"
#include "excel/range.h"
#include "excel/workbook.h"
#include "excel/format_condition.h"
#include "excel/worksheet.h"
#include "import/a1_address.h"
#include "import/cell_borders.h"
#include "import/cell_fill.h"
#include "import/cell_font.h"
#include "import/cell_text.h"
#include "import/conditional_formats.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "import/shared_formats.h"
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

// What the cells of an area share, read once for the whole area or once per row and column,
// so that a cell costs only the calls for what may differ between cells. A fact is known only
// when Excel answered it as its pages document; after a failed read or an answer the shortcut
// does not expect the cells are read one by one, as the reference reading does, and the records
// are the same.
struct AreaFacts {
  // The area's first row and column on the sheet (V:excel.range.row, V:excel.range.column): a
  // cell's absolute address follows from them (V:excel.range.address, "$A$1" style). 0: unknown.
  int32_t firstRow = 0;
  int32_t firstColumn = 0;
  // Widths and heights belong to columns and rows (V:excel.range.columnwidth,
  // V:excel.range.rowheight); a column of the area measures what each of its cells measures
  // (V:excel.range.width, V:excel.range.left), a row likewise (V:excel.range.height,
  // V:excel.range.top). Empty: unknown.
  std::vector<double> widths, lefts;
  std::vector<double> heights, tops;
  // MergeCells False: no cell of the area is merged (V:excel.range.mergecells), so each cell is
  // its own merge area (V:excel.range.mergearea).
  bool noMerges = false;
  // HasFormula False: none of the cells has a formula (V:excel.range.hasformula).
  bool noFormulas = false;
  // The area's FormatConditions hold every rule of its cells (V:excel.range.formatconditions):
  // none there, none for any cell.
  bool noConditions = false;
  // WrapText True or False: every cell's; Null when they differ (V:excel.range.wraptext).
  std::optional<bool> wrapText;
  // The font, fill, alignment and diagonals the whole area shares (import/shared_formats.h).
  SharedFormats formats;
  // Each column's left and right lines (the left and right edges of a column of the area).
  std::vector<LineFacts> leftLines, rightLines;
};

// The height and top of each of an area's rows, or the width and left of each of its columns;
// both left empty when a read fails.
void ReadLines(const excel::Range& area, bool rows, int32_t count, std::vector<double>& sizes,
               std::vector<double>& places) {
  const auto size = rows ? &excel::Range::Height : &excel::Range::Width;
  const auto place = rows ? &excel::Range::Top : &excel::Range::Left;
  TryAreaRead([&] {
    const excel::Range lines = rows ? area.Rows() : area.Columns();
    std::vector<double> readSizes, readPlaces;
    for (int32_t i = 1; i <= count; ++i) {
      const excel::Range line = lines.Item(Variant::I4(i));
      readSizes.push_back((line.*size)());
      readPlaces.push_back((line.*place)());
    }
    sizes = std::move(readSizes);
    places = std::move(readPlaces);
  });
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
  void ReadAreaFacts(int32_t rowCount, int32_t columnCount);
  void ReadColumnFacts(int32_t columnCount);
  void StartRow(int32_t rowCount, int32_t columnCount);
  void ReadRowValues(int32_t columnCount);
  void ReadRowFormats(int32_t rowCount, int32_t columnCount);
  bool Hidden(const std::vector<double>& sizes, size_t index) const {
    return index < sizes.size() && sizes[index] < kHiddenSize;
  }
  void ReadCell();
  void ReadFormula(const excel::Range& cell);
  VarType ValueType(const excel::Range& cell) const;
  int32_t ResolveAlignment(int32_t alignment, const std::u16string& text, const excel::Range& cell);
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
  bool shortcuts_ = false;
  AreaFacts facts_;
  excel::Range rows_;  // the area's rows; Nothing when unknown
  excel::Range row_;   // the row being read; Nothing when unknown
  // The values of the row being read (V:excel.range.value: a 2-D array for several cells);
  // empty when unknown. One row at a time, so memory does not grow with the table.
  std::vector<Variant> rowValues_;
  // What the cells of the row being read share: the area's facts and the row's own.
  SharedFormats rowFormats_;
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

  // A single cell is read as it is: reads of a whole area would cost it more than they save.
  shortcuts_ = int64_t{rowCount} * columnCount > 1;
  if (shortcuts_) ReadAreaFacts(rowCount, columnCount);

  // The counters are the run's: after a failure they name the cell it happened at.
  for (position_.row = 1; position_.row <= rowCount; ++position_.row) {
    session_.Log().WriteLine(u"iRow ", position_.row);
    StartRow(rowCount, columnCount);
    for (position_.column = 1; position_.column <= columnCount; ++position_.column) {
      session_.Log().WriteLine(u"iCol ", position_.column);
      Clear();
      ReadCell();
    }
  }
  return geometry_;
}

void TableRun::ReadAreaFacts(int32_t rowCount, int32_t columnCount) {
  TryAreaRead([&] {
    const int32_t row = area_.Row();
    const int32_t column = area_.Column();
    if (row >= 1 && column >= 1) facts_.firstRow = row, facts_.firstColumn = column;
  });
  ReadLines(area_, false, columnCount, facts_.widths, facts_.lefts);
  ReadLines(area_, true, rowCount, facts_.heights, facts_.tops);
  TryAreaRead([&] {
    const Variant merged = area_.MergeCells();
    facts_.noMerges = merged.Type() == VarType::Bool && !merged.BoolValue();
  });
  // The formula is read only for a table object.
  if (tableObject_) {
    TryAreaRead([&] {
      const Variant formulas = area_.HasFormulaOfAll();
      facts_.noFormulas = formulas.Type() == VarType::Bool && !formulas.BoolValue();
    });
  }
  TryAreaRead([&] {
    const Variant wrap = area_.WrapTextOfAll();
    if (wrap.Type() == VarType::Bool) facts_.wrapText = wrap.BoolValue();
  });
  TryAreaRead([&] { facts_.noConditions = area_.FormatConditions().Count() == 0; });
  ReadSharedFormats(area_, facts_.formats);
  if (rowCount > 1) ReadColumnFacts(columnCount);
  TryAreaRead([&] { rows_ = area_.Rows(); });
}

// Each shown column's left and right lines, where the area has several rows.
void TableRun::ReadColumnFacts(int32_t columnCount) {
  facts_.leftLines.assign(static_cast<size_t>(columnCount), LineFacts{});
  facts_.rightLines.assign(static_cast<size_t>(columnCount), LineFacts{});
  TryAreaRead([&] {
    const excel::Range columns = area_.Columns();
    for (int32_t c = 1; c <= columnCount; ++c) {
      const size_t i = static_cast<size_t>(c - 1);
      if (Hidden(facts_.widths, i)) continue;
      TryAreaRead([&] { ReadColumnLines(columns.Item(Variant::I4(c)), facts_.leftLines[i], facts_.rightLines[i]); });
    }
  });
}

void TableRun::StartRow(int32_t rowCount, int32_t columnCount) {
  row_ = excel::Range();
  rowValues_.clear();
  rowFormats_ = facts_.formats;
  if (!shortcuts_) return;
  if (rows_) TryAreaRead([&] { row_ = rows_.Item(Variant::I4(position_.row)); });
  if (!row_) return;
  ReadRowValues(columnCount);
  ReadRowFormats(rowCount, columnCount);
}

// What the row's cells share beyond the area's facts; nothing for a hidden row, whose cells are
// not read, nor for a row of one cell, which is read as the cell.
void TableRun::ReadRowFormats(int32_t rowCount, int32_t columnCount) {
  if (columnCount < 2 || Hidden(facts_.heights, static_cast<size_t>(position_.row - 1))) return;
  // An area of one row is its row: the area's facts are the row's.
  if (rowCount > 1) ReadSharedFormats(row_, rowFormats_);
  ReadRowLines(row_, rowFormats_.borders);
}

void TableRun::ReadRowValues(int32_t columnCount) {
  TryAreaRead([&] {
    Variant values = row_.Value();
    if (columnCount == 1) {
      if (!values.IsArray()) rowValues_.push_back(std::move(values));
      return;
    }
    // One row of the area: a 1 x columns array.
    if (!values.IsArray() || values.ArrayDims() != std::vector<uint32_t>{1, static_cast<uint32_t>(columnCount)}) return;
    rowValues_ = values.ArrayElements();
  });
}

void TableRun::Clear() {
  CellRecord& record = *record_;
  std::memset(&record, 0, sizeof record);
  record.size = kCellRecordSize;
  SetField(record.areaAddress, areaAddress_);
  SetField(record.sheetName, context_.sheetName);
  record.underline = kXlNone;
}

void TableRun::ReadCell() {
  CellRecord& record = *record_;
  const size_t rowIndex = static_cast<size_t>(position_.row - 1);
  const size_t columnIndex = static_cast<size_t>(position_.column - 1);
  // A cell whose size its row and column tell needs no object until it is known to be shown.
  excel::Range cell;
  auto theCell = [&]() -> const excel::Range& {
    if (!cell) cell = area_.Item(Variant::I4(position_.row), Variant::I4(position_.column));
    return cell;
  };
  Mark(962);
  record.width = facts_.widths.empty() ? theCell().Width() : facts_.widths[columnIndex];
  Mark(964);
  record.height = facts_.heights.empty() ? theCell().Height() : facts_.heights[rowIndex];
  Mark(967);
  // A hidden row or column: the receiver keeps its place in the table, nothing more.
  if (record.width < kHiddenSize || record.height < kHiddenSize) {
    context_.progress->StepIt();
    Send();
    return;
  }
  theCell();

  // The cell's lines: its row's top and bottom, its column's left and right.
  SharedFormats& shared = rowFormats_;
  if (columnIndex < facts_.leftLines.size()) {
    shared.borders.left = facts_.leftLines[columnIndex];
    shared.borders.right = facts_.rightLines[columnIndex];
  }

  Mark(979);
  const excel::Range mergeArea = facts_.noMerges ? excel::Range() : cell.MergeArea();
  // The format objects a cell needs for what its row and area do not share.
  const excel::Interior interior = shared.fill.Complete() ? excel::Interior() : cell.Interior();
  // Read at this step and used for the cell's font below: a cell whose Font Excel refuses must
  // fail here, which the error message and the log name, not after its fill and borders.
  const excel::Font font = shared.font.Complete() ? excel::Font() : cell.Font();
  const excel::Borders borders = shared.borders.Complete() ? excel::Borders() : cell.Borders();

  Mark(986);
  std::u16string address;
  if (facts_.firstRow != 0) {
    address = MakeAbsoluteAddress(facts_.firstRow + position_.row - 1, facts_.firstColumn + position_.column - 1);
  } else {
    // Row and column numbers as the absolute flags: non-zero, so both parts are absolute.
    address = cell.Address(Variant::I4(position_.row), Variant::I4(position_.column), Variant::I4(excel::kXlA1));
  }
  SetField(record.address, address);
  Mark(991);
  session_.Log().WriteLine(FieldText(record.address), 991);

  const std::u16string text = cell.Text();
  if (!text.empty() && text.size() <= kTextMax) EscapeCellText(text, record.text, kTextMax + 1);

  Mark(998);
  ReadFormula(cell);

  Mark(1020);
  const AlignmentFacts& alignment = shared.alignment;
  record.orientation = SharedOr(alignment.orientation, [&] { return Variant::I4(cell.Orientation()); }).ToInt32();
  record.indentLevel = SharedOr(alignment.indentLevel, [&] { return Variant::I4(cell.IndentLevel()); }).ToInt32();
  record.wrapText = (facts_.wrapText ? *facts_.wrapText : cell.WrapText()) ? 1 : 0;
  record.left = (facts_.lefts.empty() ? cell.Left() : facts_.lefts[columnIndex]) - geometry_.left;
  record.top = (facts_.tops.empty() ? cell.Top() : facts_.tops[rowIndex]) - geometry_.top;

  Mark(1030);
  const Variant horizontal =
      SharedOr(alignment.horizontal, [&] { return Variant::I4(cell.HorizontalAlignment()); });
  record.horizontalAlignment = ResolveAlignment(horizontal.ToInt32(), text, cell);
  record.verticalAlignment =
      SharedOr(alignment.vertical, [&] { return Variant::I4(cell.VerticalAlignment()); }).ToInt32();

  Mark(1050);
  if (facts_.noMerges) {
    SetField(record.mergeAddress, address);
    Mark(1055);
    record.mergeWidth = record.width;
    record.mergeHeight = record.height;
  } else {
    const Variant row = Variant::I4(position_.row);
    const Variant column = Variant::I4(position_.column);
    SetField(record.mergeAddress, mergeArea.Address(row, column, Variant::I4(excel::kXlA1)));
    Mark(1055);
    record.mergeWidth = mergeArea.Width();
    record.mergeHeight = mergeArea.Height();
  }

  // Conditional formats come last: what holds overwrites the cell's own formats.
  Mark(1059);
  ReadFill(session_, record, interior, context_.workbook, &shared.fill);
  Mark(1064);
  ReadBorders(session_, record, borders, FormatSource::Cell, gridlines_, &shared.borders);
  Mark(1080);
  ReadCellFont(session_, record, font, cell, FormatSource::Cell, &shared.font);
  if (!facts_.noConditions) ApplyConditionalFormats(session_, record, cell, context_.workbook, context_.worksheet);

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
  // Only a table object takes the formula: for any other the question is not asked.
  if (!tableObject_ || facts_.noFormulas) return;
  try {
    if (!cell.HasFormula()) return;
    Mark(1006);
    const std::u16string formula = cell.Formula();
    if (formula.empty() || formula.size() > kFormulaMax) return;
    SetField(record.formula, formula);
    SetField(record.numberFormat, std::u16string_view(cell.NumberFormat()).substr(0, kNumberFormatMax));
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

// The value's type from the row's values, or from the cell when they are unknown.
VarType TableRun::ValueType(const excel::Range& cell) const {
  const size_t column = static_cast<size_t>(position_.column - 1);
  return column < rowValues_.size() ? rowValues_[column].Type() : cell.Value().Type();
}

// Only a shown General cell needs its value's type: the value is asked for only then.
int32_t TableRun::ResolveAlignment(int32_t alignment, const std::u16string& text, const excel::Range& cell) {
  if (text.empty() || alignment != excel::kXlGeneral) return alignment;
  Mark(1033);
  if (record_->orientation == excel::kXlUpward) return excel::kXlRight;
  if (record_->orientation == excel::kXlDownward) return excel::kXlLeft;
  return IsNumberType(ValueType(cell)) ? excel::kXlRight : alignment;
}

void TableRun::Send() { session_.SendRecord(record_.get(), record_->size); }

}  // namespace

AreaGeometry TablePass(const TablePassContext& context, excel::Range& area, const std::u16string& rangeText) {
  // Without a progress window the driver could not show where the import is; nothing is sent.
  if (context.progress == nullptr) return {};
  return TableRun(context, area, rangeText).Run();
}

}  // namespace vk
