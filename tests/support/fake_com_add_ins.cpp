#include "fake_com_add_ins.h"

#include "fake_com_add_in.h"
#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr Guid kIidCOMAddIns{0x000C0339, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeCOMAddIns::FakeCOMAddIns(std::shared_ptr<FakeExcel> excel)
    : FakeObjectOf(std::move(excel), u"COMAddIns", kIidCOMAddIns) {}

std::span<const FakeCOMAddIns::Member> FakeCOMAddIns::Members() {
  using C = FakeCOMAddIns;
  static const Member members[] = {
      {u"Item", InvokeKind::Method, 1, 1, &C::Item},
      {u"Count", InvokeKind::PropertyGet, 0, 0, &C::Count},
  };
  return members;
}

// Index: a 1-based ordinal or the add-in's ProgID (V:office.comaddins; the type library takes a
// VARIANT). (ck) The ProgID is matched without regard to case, as COM matches ProgIDs, and an
// index naming no add-in fails the call with Excel's general error: Office documents neither.
Variant FakeCOMAddIns::Item(const FakeArgs& args) {
  auto& entries = Excel().comAddIns;
  const Variant& index = args[0];
  if (index.IsString()) {
    for (size_t i = 0; i < entries.size(); ++i)
      if (SameText(entries[i].progId, index.StringValue()))
        return Variant::Object(std::make_shared<FakeCOMAddIn>(ExcelPtr(), i));
    Raise();
  }
  const int32_t ordinal = index.ToInt32();
  if (ordinal < 1 || static_cast<size_t>(ordinal) > entries.size()) Raise();
  return Variant::Object(std::make_shared<FakeCOMAddIn>(ExcelPtr(), static_cast<size_t>(ordinal - 1)));
}

Variant FakeCOMAddIns::Count(const FakeArgs&) {
  return Variant::I4(static_cast<int32_t>(Excel().comAddIns.size()));
}

}  // namespace vk::fake
