#include "fake_application.h"

#include "fake_com_add_ins.h"
#include "fake_evaluator.h"
#include "fake_excel.h"
#include "a1_text.h"
#include "fake_range.h"
#include "fake_shape_parts.h"
#include "utf_text.h"
#include "fake_shape_selection.h"
#include "fake_workbook.h"
#include "fake_workbooks.h"
#include "fake_worksheet.h"

namespace vk::fake {
namespace {
constexpr Guid kIidApplication{0x000208D5, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeApplication::FakeApplication(std::shared_ptr<FakeExcel> excel)
    : FakeObjectOf(std::move(excel), u"Application", kIidApplication) {}

std::span<const FakeApplication::Member> FakeApplication::Members() {
  using A = FakeApplication;
  static const Member members[] = {
      {u"ActiveSheet", InvokeKind::PropertyGet, 0, 0, &A::ActiveSheet},
      {u"ActiveWorkbook", InvokeKind::PropertyGet, 0, 0, &A::ActiveWorkbook},
      {u"Selection", InvokeKind::PropertyGet, 0, 0, &A::Selection},
      {u"ScreenUpdating", InvokeKind::PropertyGet, 0, 0, &A::GetScreenUpdating},
      {u"ScreenUpdating", InvokeKind::PropertyPut, 0, 0, &A::PutScreenUpdating},
      {u"Version", InvokeKind::PropertyGet, 0, 0, &A::Version},
      {u"Workbooks", InvokeKind::PropertyGet, 0, 0, &A::Workbooks},
      {u"COMAddIns", InvokeKind::PropertyGet, 0, 0, &A::COMAddIns},
      {u"ActiveCell", InvokeKind::PropertyGet, 0, 0, &A::ActiveCell},
      {u"Evaluate", InvokeKind::Method, 1, 1, &A::Evaluate},
      {u"ActiveWindow", InvokeKind::PropertyGet, 0, 0, &A::ActiveWindow},
      {u"Range", InvokeKind::PropertyGet, 1, 2, &A::Range},
      {u"Hwnd", InvokeKind::PropertyGet, 0, 0, &A::Hwnd},
  };
  return members;
}

// Nothing when no sheet is active (V:excel.application.activesheet).
Variant FakeApplication::ActiveSheet(const FakeArgs&) {
  FakeSheet* sheet = Excel().Book().ActiveSheet();
  if (!sheet) return Variant::Object(nullptr);
  return Variant::Object(std::make_shared<FakeWorksheet>(ExcelPtr(), sheet));
}

// Nothing when no workbook window is open (V:excel.application.activeworkbook).
Variant FakeApplication::ActiveWorkbook(const FakeArgs&) {
  if (!Excel().Book().open) return Variant::Object(nullptr);
  return Variant::Object(std::make_shared<FakeWorkbook>(ExcelPtr()));
}

// A Range for selected cells, a drawing object for a selected shape, Nothing when nothing is
// selected (V:excel.application.selection).
Variant FakeApplication::Selection(const FakeArgs&) {
  FakeBook& book = Excel().Book();
  FakeSheet* sheet = book.ActiveSheet();
  if (!sheet) return Variant::Object(nullptr);
  switch (book.selection.kind) {
    case FakeBook::Selection::Kind::Cells:
      return Variant::Object(std::make_shared<FakeRange>(ExcelPtr(), sheet, book.selection.areas));
    case FakeBook::Selection::Kind::Shape:
      return Variant::Object(std::make_shared<FakeShapeSelection>(ExcelPtr(), book.selection.shapeName));
    case FakeBook::Selection::Kind::Nothing:
      break;
  }
  return Variant::Object(nullptr);
}

Variant FakeApplication::GetScreenUpdating(const FakeArgs&) {
  return Variant::Bool(Excel().screenUpdating);
}

Variant FakeApplication::PutScreenUpdating(const FakeArgs& args) {
  const bool value = args.NewValue().ToBool();
  Excel().screenUpdating = value;
  Excel().screenUpdatingPuts.push_back(value);
  return {};
}

// "16.0" for current versions (ck).
Variant FakeApplication::Version(const FakeArgs&) { return Variant::String(Excel().Book().version); }

Variant FakeApplication::Workbooks(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeWorkbooks>(ExcelPtr()));
}

Variant FakeApplication::COMAddIns(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeCOMAddIns>(ExcelPtr()));
}

// The active cell of the active sheet; it fails when no worksheet is active
// (V:excel.application.activecell).
Variant FakeApplication::ActiveCell(const FakeArgs&) {
  FakeBook& book = Excel().Book();
  FakeSheet* sheet = book.ActiveSheet();
  if (!sheet) Raise();
  return Variant::Object(std::make_shared<FakeRange>(
      ExcelPtr(), sheet, std::vector<CellArea>{CellArea::Cell(book.activeRow, book.activeColumn)}));
}

// Evaluate(Name) on the active sheet. Name may have at most 255 characters
// (V:excel.application.evaluate); a longer one gives #VALUE! (ck: what Excel does is not
// documented).
Variant FakeApplication::Evaluate(const FakeArgs& args) {
  const std::u16string formula = args[0].ToString();
  FakeSheet* sheet = Excel().Book().ActiveSheet();
  if (!sheet) Raise();
  if (formula.size() > 255) return Variant::Error(static_cast<int32_t>(0x800A0000u + 2015u));
  return EvaluateFormula(ExcelPtr(), sheet, formula);
}

// Nothing when no workbook window is open (V:excel.application.activewindow).
Variant FakeApplication::ActiveWindow(const FakeArgs&) {
  if (!Excel().Book().open) return Variant::Object(nullptr);
  return Variant::Object(std::make_shared<FakeWindow>(ExcelPtr()));
}

// Range(Cell1): a reference on the active sheet, one naming its sheet ("Lists!$A$1:$A$5"), or a
// defined name.
Variant FakeApplication::Range(const FakeArgs& args) {
  if (!args.Has(0) || !args[0].IsString() || args.Has(1)) Raise();
  FakeBook& book = Excel().Book();
  const std::u16string& text = args[0].StringValue();
  FakeSheet* sheet = book.ActiveSheet();
  if (const auto parsed = ParseReference(text); parsed && !parsed->sheet.empty()) {
    sheet = book.FindSheet(parsed->sheet);
  } else if (!parsed) {
    for (const auto& name : book.names) {
      if (SameText(name.name, text)) sheet = book.FindSheet(name.sheet);
    }
  }
  if (sheet == nullptr) Raise();
  return Variant::Object(std::make_shared<FakeRange>(ExcelPtr(), sheet, FakeRange::Resolve(Excel(), sheet, args[0])));
}

// "Returns a Long indicating the top-level window handle of the Microsoft Excel window.
// Read-only." (V:excel.application.hwnd): the number FakeExcel::hwnd holds.
Variant FakeApplication::Hwnd(const FakeArgs&) { return Variant::I4(Excel().hwnd); }

}  // namespace vk::fake
