#pragma once
#include <memory>
#include <string_view>

#include "automation/variant.h"

namespace vk::fake {

class FakeExcel;
class FakeSheet;

// Excel's Evaluate over the stand-in workbook, for the formulas conditional formats use:
// numbers, text in quotes, TRUE and FALSE, array constants {1,2;3,4}, A1 references with or
// without "$" (all taken as absolute, V:excel.application.evaluate) and with a sheet prefix,
// ranges, the operators + - * / & and = <> < > <= >=, and the functions AND, OR, NOT, IF, LEN,
// TRIM, SEARCH, ISBLANK, ISNUMBER, ISERROR, MOD, ROW and COLUMN. A leading "=" is optional.
//
// What comes back is what Excel's Evaluate returns: VT_R8, VT_BSTR, VT_BOOL, an Error value
// (VT_ERROR with scode 0x800A0000 + the error number; ck), a Range object when the formula is a
// reference alone (the page's own example, `[A1]`, gives a Range), and arrays where a formula
// works on several cells: a one-row array constant as a one-dimensional array, anything else as
// a two-dimensional one, lower bounds 1 (ck). A formula it cannot read gives #VALUE! and an
// unknown name or function #NAME? rather than raising (ck: Evaluate's errors are not documented).
// References are read on sheet unless they name another sheet.
Variant EvaluateFormula(const std::shared_ptr<FakeExcel>& excel, FakeSheet* sheet, std::u16string_view formula);

}  // namespace vk::fake
