#include "fake_workbook.h"

#include "fake_excel.h"
#include "fake_format.h"
#include "fake_worksheet.h"

namespace vk::fake {
namespace {
constexpr Guid kIidWorkbook{0x000208DA, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeWorkbook::FakeWorkbook(std::shared_ptr<FakeExcel> excel)
    : FakeObjectOf(std::move(excel), u"Workbook", kIidWorkbook) {}

std::span<const FakeWorkbook::Member> FakeWorkbook::Members() {
  using W = FakeWorkbook;
  static const Member members[] = {
      {u"Name", InvokeKind::PropertyGet, 0, 0, &W::Name},
      {u"Path", InvokeKind::PropertyGet, 0, 0, &W::Path},
      {u"FullName", InvokeKind::PropertyGet, 0, 0, &W::FullName},
      {u"Save", InvokeKind::Method, 0, 0, &W::Save},
      {u"Colors", InvokeKind::PropertyGet, 0, 1, &W::Colors},
      {u"Worksheets", InvokeKind::PropertyGet, 1, 1, &W::Worksheets},
  };
  return members;
}

Variant FakeWorkbook::Name(const FakeArgs&) { return Variant::String(Excel().Book().name); }

// "" for a workbook never saved (ck).
Variant FakeWorkbook::Path(const FakeArgs&) { return Variant::String(Excel().Book().path); }

// The path and the name; the name alone for a workbook never saved (ck).
Variant FakeWorkbook::FullName(const FakeArgs&) {
  const FakeBook& book = Excel().Book();
  if (book.path.empty()) return Variant::String(book.name);
  return Variant::String(book.path + u"\\" + book.name);
}

// Nothing is written: the call log shows that the workbook was saved.
Variant FakeWorkbook::Save(const FakeArgs&) { return {}; }

// Colors([Index]): the palette colour of entry 1 to 56 as a Long, or all 56 when the index is
// omitted (V:excel.workbook.colors); another index is error 1004 (ck).
Variant FakeWorkbook::Colors(const FakeArgs& args) {
  const auto& palette = DefaultPalette();
  if (!args.Has(0)) {
    std::vector<Variant> all;
    for (int32_t colour : palette) all.push_back(Variant::I4(colour));
    return Variant::Array({56}, std::move(all));
  }
  const int32_t index = args[0].ToInt32();
  if (index < 1 || index > 56) Raise();
  return Variant::I4(palette[static_cast<size_t>(index - 1)]);
}

// Worksheets(Index): a sheet by its name (any case) or its 1-based number; the stand-in offers
// no collection object, as nothing reads one. Another index is error 1004 (ck).
Variant FakeWorkbook::Worksheets(const FakeArgs& args) {
  FakeBook& book = Excel().Book();
  FakeSheet* sheet = nullptr;
  if (args[0].Type() == VarType::Bstr) {
    sheet = book.FindSheet(args[0].StringValue());
  } else {
    const int32_t index = args[0].ToInt32();
    if (index >= 1 && static_cast<size_t>(index) <= book.sheets.size()) sheet = &book.sheets[static_cast<size_t>(index - 1)];
  }
  if (!sheet) Raise();
  return Variant::Object(std::make_shared<FakeWorksheet>(ExcelPtr(), sheet));
}

}  // namespace vk::fake
