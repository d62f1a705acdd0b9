#include "import/conditional_formats.h"

#include <cmath>
#include <vector>

#include "excel/application.h"
#include "excel/excel_constants.h"
#include "excel/format_condition.h"
#include "excel/range.h"
#include "excel/workbook.h"
#include "excel/worksheet.h"
#include "import/a1_address.h"
#include "import/active_cell_keeper.h"
#include "import/cell_borders.h"
#include "import/cell_fill.h"
#include "import/cell_font.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "link/cell_record.h"
#include "text/char_class.h"
#include "text/text_format.h"

namespace vk {
namespace {

// Excel 2007 added Stop If True and several rules per cell.
constexpr int32_t kFirstVersionWithStopIfTrue = 12;
constexpr double kNonZero = 0.000001;

// What the evaluation of one cell's conditions shares: the cell, its address and whether it
// has been made the active cell.
struct CellConditions {
  const ImportSession& session;
  const excel::Range& cell;
  const excel::Worksheet& worksheet;
  std::u16string address;
  bool activated = false;
};

// Excel reads a rule's Formula1 and Formula2 relative to the active cell, so the cell is made
// active before its first formula is read, for cell-value rules too. The formulas then refer to
// the right cells for this cell already; they are rebased with the cell as its own corner,
// which only writes their references absolute for Evaluate.
void ActivateOnce(CellConditions& cc) {
  if (cc.activated) return;
  cc.session.ActiveCell().Activate(cc.session.App().Object(), cc.cell);
  cc.activated = true;
}

std::u16string Rebased(const CellConditions& cc, const std::u16string& formula) {
  return RebaseFormula(formula, cc.address, cc.address, cc.session.ExcelVersion());
}

// Leading white space, then leading "=" characters.
std::u16string Operand(const std::u16string& formula) {
  size_t i = 0;
  while (i < formula.size() && IsSpace(formula[i])) ++i;
  while (i < formula.size() && formula[i] == u'=') ++i;
  return formula.substr(i);
}

// The test of a cell-value rule; empty for an operator without one.
std::u16string CellValueTest(CellConditions& cc, const excel::FormatCondition& condition) {
  const int32_t op = condition.Operator();
  if (op < 1 || op > 8) return {};
  const std::u16string f1 = Rebased(cc, Operand(condition.Formula1()));
  const std::u16string_view cell = cc.address;
  const std::u16string_view first = f1;
  switch (op) {
    case 1: {
      const std::u16string f2 = Rebased(cc, Operand(condition.Formula2()));
      return FormatText(u"AND(%s<=%s, %s<=%s)", {first, cell, cell, std::u16string_view(f2)});
    }
    case 2: {
      const std::u16string f2 = Rebased(cc, Operand(condition.Formula2()));
      return FormatText(u"OR(%s>%s, %s>%s)", {first, cell, cell, std::u16string_view(f2)});
    }
    case 3: return FormatText(u"%s=%s", {cell, first});
    case 4: return FormatText(u"%s<>%s", {cell, first});
    case 5: return FormatText(u"%s>%s", {cell, first});
    case 6: return FormatText(u"%s<%s", {cell, first});
    case 7: return FormatText(u"%s>=%s", {cell, first});
    default: return FormatText(u"%s<=%s", {cell, first});
  }
}

bool IsTrue(const Variant& value) { return value.Type() == VarType::Bool && value.BoolValue(); }

}  // namespace

bool ExpressionHolds(const Variant& result) {
  switch (result.Type()) {
    case VarType::Bool:
      return result.BoolValue();
    case VarType::I4:
    case VarType::UI4:
    case VarType::Int:
    case VarType::UInt:
    case VarType::I8:
    case VarType::UI8:
      return result.IntegerValue() != 0;
    case VarType::R4:
    case VarType::R8:
      return std::fabs(result.DoubleValue()) >= kNonZero;
    case VarType::Array:
      // Arrays come with lower bound 1; a one-dimensional one holds by its first element.
      return result.ArrayDims().size() == 1 && result.ArrayDims()[0] >= 1 && IsTrue(result.ArrayElements()[0]);
    default:
      return false;
  }
}

namespace {

// Whether one rule holds for the cell. A failure while its test is built or evaluated makes it
// not hold; reading its type is outside that, and Excel's busy refusal always passes.
bool Holds(CellConditions& cc, const excel::FormatCondition& condition) {
  const int32_t type = condition.Type();
  try {
    switch (type) {
      case excel::kXlCellValue: {
        ActivateOnce(cc);
        const std::u16string test = CellValueTest(cc, condition);
        if (test.empty()) return false;
        return IsTrue(cc.session.App().Evaluate(test));
      }
      case excel::kXlExpression:
      case excel::kXlTextString:
      case excel::kXlBlanksCondition:
      case excel::kXlNoBlanksCondition: {
        ActivateOnce(cc);
        return ExpressionHolds(cc.worksheet.Evaluate(Rebased(cc, condition.Formula1())));
      }
      default:
        return false;
    }
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
    return false;
  }
}

void Overlay(const ImportSession& session, CellRecord& record, const excel::FormatCondition& condition,
             const excel::Range& cell, const excel::Workbook& workbook) {
  if (const excel::Interior interior = condition.Interior()) ReadFill(session, record, interior, workbook);
  if (const excel::Borders borders = condition.Borders()) ReadBorders(session, record, borders, FormatSource::Condition, Gridlines::NotPrinted);
  if (const excel::Font font = condition.Font()) ReadCellFont(session, record, font, cell, FormatSource::Condition);
}

}  // namespace

// Excel shows every rule that holds, a rule of higher priority (lower index) winning where two
// set the same format, and a holding Stop If True rule keeps the rules below it out. So the
// rules are evaluated from the first down to the first holding Stop If True rule, and those
// that hold are laid over the cell's formats from the last to the first. Before Excel 2007
// only the first rule that holds is shown: there every rule stops.
void ApplyConditionalFormats(const ImportSession& session, CellRecord& record, const excel::Range& cell,
                             const excel::Workbook& workbook, const excel::Worksheet& worksheet) {
  try {
    const excel::FormatConditions conditions = cell.FormatConditions();
    const int32_t count = conditions.Count();
    if (count <= 0) return;
    CellConditions cc{session, cell, worksheet, std::u16string(FieldText(record.address))};
    const bool stopIfTrueKnown = session.ExcelVersion() >= kFirstVersionWithStopIfTrue;
    std::vector<excel::FormatCondition> holding;
    try {
      for (int32_t i = 1; i <= count; ++i) {
        const ObjectPtr item = conditions.Item(i);
        if (!item) continue;
        excel::FormatCondition condition;
        try {
          condition = excel::FormatCondition(item->QueryInterface(excel::kIidFormatCondition));
        } catch (const ComError& error) {
          // Colour scales, data bars and icon sets are no FormatCondition: they change no record.
          RethrowIfExcelBusy(error);
          continue;
        }
        const bool stopIfTrue = stopIfTrueKnown ? condition.StopIfTrue() : true;
        if (!Holds(cc, condition)) continue;
        holding.push_back(std::move(condition));
        if (stopIfTrue) break;
      }
    } catch (const ComError& error) {
      // A rule that cannot be read ends the evaluation; the rules above it that hold are still
      // shown above whatever it would have shown.
      RethrowIfExcelBusy(error);
    }
    for (auto it = holding.rbegin(); it != holding.rend(); ++it) Overlay(session, record, *it, cell, workbook);
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

}  // namespace vk
