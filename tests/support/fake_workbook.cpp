#include "fake_workbook.h"

#include "fake_excel.h"

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

}  // namespace vk::fake
