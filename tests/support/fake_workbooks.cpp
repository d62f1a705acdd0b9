#include "fake_workbooks.h"

#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr Guid kIidWorkbooks{0x000208DB, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeWorkbooks::FakeWorkbooks(std::shared_ptr<FakeExcel> excel)
    : FakeObjectOf(std::move(excel), u"Workbooks", kIidWorkbooks) {}

std::span<const FakeWorkbooks::Member> FakeWorkbooks::Members() {
  using W = FakeWorkbooks;
  static const Member members[] = {
      {u"Count", InvokeKind::PropertyGet, 0, 0, &W::Count},
  };
  return members;
}

// The stand-in's workbook counts while it is open (V:excel.workbooks.count).
Variant FakeWorkbooks::Count(const FakeArgs&) { return Variant::I4(Excel().Book().open ? 1 : 0); }

}  // namespace vk::fake
