#include "fake_interior.h"

#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr Guid kIidInterior{0x00020870, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

Variant Number(const std::optional<int32_t>& value) { return value ? Variant::I4(*value) : Variant::Null(); }
}  // namespace

FakeInterior::FakeInterior(std::shared_ptr<FakeExcel> excel, FakeFill fill)
    : FakeObjectOf(std::move(excel), u"Interior", kIidInterior), fill_(std::move(fill)) {}

std::span<const FakeInterior::Member> FakeInterior::Members() {
  using I = FakeInterior;
  static const Member members[] = {
      {u"ColorIndex", InvokeKind::PropertyGet, 0, 0, &I::ColorIndex},
      {u"Color", InvokeKind::PropertyGet, 0, 0, &I::Color},
      {u"Pattern", InvokeKind::PropertyGet, 0, 0, &I::Pattern},
      {u"PatternColorIndex", InvokeKind::PropertyGet, 0, 0, &I::PatternColorIndex},
  };
  return members;
}

Variant FakeInterior::ColorIndex(const FakeArgs&) { return Number(fill_.colorIndex); }
// The colour is a double in Excel's VARIANT (ck), which the add-in truncates.
Variant FakeInterior::Color(const FakeArgs&) { return fill_.color ? Variant::R8(*fill_.color) : Variant::Null(); }
Variant FakeInterior::Pattern(const FakeArgs&) { return Number(fill_.pattern); }
Variant FakeInterior::PatternColorIndex(const FakeArgs&) { return Number(fill_.patternColorIndex); }

}  // namespace vk::fake
