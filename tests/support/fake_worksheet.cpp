#include "fake_worksheet.h"

#include "fake_evaluator.h"
#include "fake_excel.h"
#include "fake_page_setup.h"
#include "fake_range.h"
#include "fake_shape.h"

namespace vk::fake {
namespace {
constexpr Guid kIidWorksheet{0x000208D8, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeWorksheet::FakeWorksheet(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet)
    : FakeObjectOf(std::move(excel), u"Worksheet", kIidWorksheet), sheet_(sheet) {}

std::span<const FakeWorksheet::Member> FakeWorksheet::Members() {
  using W = FakeWorksheet;
  static const Member members[] = {
      {u"Name", InvokeKind::PropertyGet, 0, 0, &W::GetName},
      {u"Name", InvokeKind::PropertyPut, 0, 0, &W::PutName},
      {u"PageSetup", InvokeKind::PropertyGet, 0, 0, &W::PageSetup},
      {u"Range", InvokeKind::PropertyGet, 1, 2, &W::Range},
      {u"UsedRange", InvokeKind::PropertyGet, 0, 0, &W::UsedRange},
      {u"Cells", InvokeKind::PropertyGet, 0, 0, &W::Cells},
      {u"Evaluate", InvokeKind::Method, 1, 1, &W::Evaluate},
      {u"Shapes", InvokeKind::PropertyGet, 0, 0, &W::Shapes},
      {u"Activate", InvokeKind::Method, 0, 0, &W::Activate},
      {u"Visible", InvokeKind::PropertyGet, 0, 0, &W::Visible},
  };
  return members;
}

Variant FakeWorksheet::GetName(const FakeArgs&) { return Variant::String(sheet_->name); }

Variant FakeWorksheet::PutName(const FakeArgs& args) {
  std::u16string name = args.NewValue().ToString();
  if (name.empty()) Raise();
  sheet_->name = std::move(name);
  return {};
}

Variant FakeWorksheet::PageSetup(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakePageSetup>(ExcelPtr(), sheet_));
}

// Range(Cell1) takes a reference text or a defined name; Range(Cell1, Cell2) the two corners,
// each a text or a Range of this sheet (V:excel.worksheet.range).
Variant FakeWorksheet::Range(const FakeArgs& args) {
  if (!args.Has(0)) Raise();
  std::vector<CellArea> areas = FakeRange::Resolve(Excel(), sheet_, args[0]);
  if (args.Has(1)) {
    CellArea span = areas.front();
    for (const CellArea& area : areas) span = CellArea::Span(span, area);
    for (const CellArea& area : FakeRange::Resolve(Excel(), sheet_, args[1])) {
      span = CellArea::Span(span, area);
    }
    areas = {span};
  }
  return Variant::Object(std::make_shared<FakeRange>(ExcelPtr(), sheet_, std::move(areas)));
}

// The extent of values and formatted cells; it need not start at A1.
Variant FakeWorksheet::UsedRange(const FakeArgs&) {
  return Variant::Object(
      std::make_shared<FakeRange>(ExcelPtr(), sheet_, std::vector<CellArea>{sheet_->UsedArea()}));
}

Variant FakeWorksheet::Cells(const FakeArgs&) {
  return Variant::Object(
      std::make_shared<FakeRange>(ExcelPtr(), sheet_, std::vector<CellArea>{CellArea::Sheet()}));
}

// Evaluate(Name) with this sheet's cells; no length limit is documented
// (V:excel.worksheet.evaluate).
Variant FakeWorksheet::Evaluate(const FakeArgs& args) {
  return EvaluateFormula(ExcelPtr(), sheet_, args[0].ToString());
}

Variant FakeWorksheet::Shapes(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeShapes>(ExcelPtr(), &sheet_->shapes, false));
}

// The sheet becomes the active one with its cell A1 selected (the stand-in keeps no selection
// per sheet). A hidden sheet cannot be activated: Excel's error 1004 (ck).
Variant FakeWorksheet::Activate(const FakeArgs&) {
  if (sheet_->visible != -1) Raise();
  FakeBook& book = Excel().Book();
  for (size_t i = 0; i < book.sheets.size(); ++i) {
    if (&book.sheets[i] == sheet_) book.activeSheet = static_cast<int>(i);
  }
  book.SelectAreas({CellArea::Cell(1, 1)});
  return {};
}

Variant FakeWorksheet::Visible(const FakeArgs&) { return Variant::I4(sheet_->visible); }

}  // namespace vk::fake
