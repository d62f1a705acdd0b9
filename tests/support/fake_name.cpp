#include "fake_name.h"

#include "a1_text.h"
#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr Guid kIidName{0x000208B9, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeName::FakeName(std::shared_ptr<FakeExcel> excel, FakeBook::DefinedName name)
    : FakeObjectOf(std::move(excel), u"Name", kIidName), name_(std::move(name)) {}

std::span<const FakeName::Member> FakeName::Members() {
  using N = FakeName;
  static const Member members[] = {
      {u"Name", InvokeKind::PropertyGet, 0, 0, &N::Name},
      {u"RefersTo", InvokeKind::PropertyGet, 0, 0, &N::RefersTo},
      {u"Value", InvokeKind::PropertyGet, 0, 0, &N::RefersTo},
  };
  return members;
}

Variant FakeName::Name(const FakeArgs&) { return Variant::String(name_.name); }

// "=Sheet1!$A$1:$B$2" (V:excel.name.value).
Variant FakeName::RefersTo(const FakeArgs&) {
  std::u16string text = u"=";
  for (size_t i = 0; i < name_.areas.size(); ++i) {
    if (i > 0) text += u",";
    text += name_.sheet + u"!" + FormatA1(name_.areas[i]);
  }
  return Variant::String(text);
}

}  // namespace vk::fake
