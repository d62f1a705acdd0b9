#include "fake_borders.h"

#include <algorithm>

#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr Guid kIidBorder{0x00020854, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidBorders{0x00020855, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

Variant Number(const std::optional<int32_t>& value) { return value ? Variant::I4(*value) : Variant::Null(); }
}  // namespace

FakeBorder::FakeBorder(std::shared_ptr<FakeExcel> excel, FakeBorderLine line)
    : FakeObjectOf(std::move(excel), u"Border", kIidBorder), line_(line) {}

std::span<const FakeBorder::Member> FakeBorder::Members() {
  using B = FakeBorder;
  static const Member members[] = {
      {u"LineStyle", InvokeKind::PropertyGet, 0, 0, &B::LineStyle},
      {u"Weight", InvokeKind::PropertyGet, 0, 0, &B::Weight},
      {u"Color", InvokeKind::PropertyGet, 0, 0, &B::Color},
  };
  return members;
}

Variant FakeBorder::LineStyle(const FakeArgs&) { return Number(line_.lineStyle); }
Variant FakeBorder::Weight(const FakeArgs&) { return Number(line_.weight); }
// A double in Excel's VARIANT, as every colour (ck).
Variant FakeBorder::Color(const FakeArgs&) { return line_.color ? Variant::R8(*line_.color) : Variant::Null(); }

FakeBorders::FakeBorders(std::shared_ptr<FakeExcel> excel, std::map<int32_t, FakeBorderLine> lines,
                         std::vector<int32_t> indices)
    : FakeObjectOf(std::move(excel), u"Borders", kIidBorders), lines_(std::move(lines)), indices_(std::move(indices)) {}

std::shared_ptr<FakeBorders> FakeBorders::OfCell(std::shared_ptr<FakeExcel> excel,
                                                 const std::map<int32_t, FakeBorderLine>& lines) {
  std::map<int32_t, FakeBorderLine> resolved;
  std::vector<int32_t> indices;
  for (int32_t index = kXlDiagonalDown; index <= kXlInsideHorizontal; ++index) {
    const auto it = lines.find(index);
    resolved[index] = (it == lines.end() ? FakeBorderLine{} : it->second).Resolved();
    indices.push_back(index);
  }
  return std::make_shared<FakeBorders>(std::move(excel), std::move(resolved), std::move(indices));
}

std::shared_ptr<FakeBorders> FakeBorders::OfRange(std::shared_ptr<FakeExcel> excel,
                                                  std::map<int32_t, FakeBorderLine> lines) {
  std::vector<int32_t> indices;
  for (int32_t index = kXlDiagonalDown; index <= kXlInsideHorizontal; ++index) indices.push_back(index);
  return std::make_shared<FakeBorders>(std::move(excel), std::move(lines), std::move(indices));
}

std::span<const FakeBorders::Member> FakeBorders::Members() {
  using B = FakeBorders;
  static const Member members[] = {
      {u"Item", InvokeKind::PropertyGet, 1, 1, &B::Item},
  };
  return members;
}

Variant FakeBorders::Item(const FakeArgs& args) {
  const int32_t index = args[0].ToInt32();
  if (std::find(indices_.begin(), indices_.end(), index) == indices_.end()) Raise();
  const auto it = lines_.find(index);
  return Variant::Object(std::make_shared<FakeBorder>(ExcelPtr(), it == lines_.end() ? FakeBorderLine{} : it->second));
}

}  // namespace vk::fake
