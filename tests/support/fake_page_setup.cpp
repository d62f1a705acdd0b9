#include "fake_page_setup.h"

#include "a1_text.h"
#include "fake_excel.h"
#include "fake_sheet.h"

namespace vk::fake {
namespace {
constexpr Guid kIidPageSetup{0x000208B4, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakePageSetup::FakePageSetup(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet)
    : FakeObjectOf(std::move(excel), u"PageSetup", kIidPageSetup), sheet_(sheet) {}

std::span<const FakePageSetup::Member> FakePageSetup::Members() {
  using P = FakePageSetup;
  static const Member members[] = {
      {u"PrintArea", InvokeKind::PropertyGet, 0, 0, &P::GetPrintArea},
      {u"PrintArea", InvokeKind::PropertyPut, 0, 0, &P::PutPrintArea},
      {u"PrintGridlines", InvokeKind::PropertyGet, 0, 0, &P::PrintGridlines},
  };
  return members;
}

// A1 text; "" when the sheet has no print area (ck: not documented).
Variant FakePageSetup::GetPrintArea(const FakeArgs&) { return Variant::String(sheet_->printArea); }

// False or "" clears the print area (V:excel.pagesetup.printarea); Excel stores the absolute form.
Variant FakePageSetup::PutPrintArea(const FakeArgs& args) {
  const Variant& value = args.NewValue();
  if (value.Type() == VarType::Bool && !value.BoolValue()) {
    sheet_->printArea.clear();
    return {};
  }
  const std::u16string text = value.ToString();
  if (text.empty()) {
    sheet_->printArea.clear();
    return {};
  }
  const auto parsed = ParseReference(text);
  if (!parsed || (!parsed->sheet.empty() && !SameText(parsed->sheet, sheet_->name))) Raise();
  std::u16string absolute;
  for (const CellArea& area : parsed->areas) {
    if (!absolute.empty()) absolute += u",";
    absolute += FormatA1(area);
  }
  sheet_->printArea = absolute;
  return {};
}

// Boolean (V:excel.pagesetup.printgridlines).
Variant FakePageSetup::PrintGridlines(const FakeArgs&) { return Variant::Bool(sheet_->printGridlines); }

}  // namespace vk::fake
