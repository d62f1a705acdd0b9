#include "fake_shape_selection.h"

#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr Guid kIidShape{0x00024439, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeShapeSelection::FakeShapeSelection(std::shared_ptr<FakeExcel> excel, std::u16string shapeName)
    : FakeObjectOf(std::move(excel), u"Shape", kIidShape), shapeName_(std::move(shapeName)) {}

std::span<const FakeShapeSelection::Member> FakeShapeSelection::Members() {
  static const Member members[] = {
      {u"Name", InvokeKind::PropertyGet, 0, 0, &FakeShapeSelection::Name},
  };
  return members;
}

Variant FakeShapeSelection::Name(const FakeArgs&) { return Variant::String(shapeName_); }

}  // namespace vk::fake
