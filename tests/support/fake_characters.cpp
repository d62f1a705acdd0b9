#include "fake_characters.h"

#include <algorithm>

#include "fake_cell_text.h"
#include "fake_excel.h"
#include "fake_font.h"
#include "fake_sheet.h"

namespace vk::fake {
namespace {
constexpr Guid kIidCharacters{0x00020878, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeCharacters::FakeCharacters(std::shared_ptr<FakeExcel> excel, const FakeSheet* sheet, int32_t row,
                               int32_t column, int32_t start, int32_t length)
    : FakeObjectOf(std::move(excel), u"Characters", kIidCharacters),
      sheet_(sheet), row_(row), column_(column), start_(start), length_(length) {}

std::span<const FakeCharacters::Member> FakeCharacters::Members() {
  using C = FakeCharacters;
  static const Member members[] = {
      {u"Count", InvokeKind::PropertyGet, 0, 0, &C::Count},
      {u"Font", InvokeKind::PropertyGet, 0, 0, &C::Font},
      {u"Text", InvokeKind::PropertyGet, 0, 0, &C::Text},
  };
  return members;
}

std::pair<size_t, size_t> FakeCharacters::Stretch(size_t textLength) const {
  const size_t first = std::min(static_cast<size_t>(start_ - 1), textLength);
  const size_t rest = textLength - first;
  const size_t count = length_ < 0 ? rest : std::min(static_cast<size_t>(length_), rest);
  return {first, count};
}

Variant FakeCharacters::Count(const FakeArgs&) {
  return Variant::I4(static_cast<int32_t>(Stretch(DisplayText(sheet_->CellAt(row_, column_)).size()).second));
}

// The font of the stretch; an empty stretch has the cell's own (ck).
Variant FakeCharacters::Font(const FakeArgs&) {
  const FakeCell* cell = sheet_->CellAt(row_, column_);
  std::vector<FakeFontFace> faces = CharacterFaces(cell);
  if (faces.size() > 1) {
    const auto [first, count] = Stretch(faces.size());
    if (count > 0) faces = std::vector<FakeFontFace>(faces.begin() + static_cast<ptrdiff_t>(first),
                                                     faces.begin() + static_cast<ptrdiff_t>(first + count));
    else faces = {cell->format.font.Over(FakeFontFace::Standard())};
  }
  return Variant::Object(std::make_shared<FakeFont>(ExcelPtr(), std::move(faces)));
}

Variant FakeCharacters::Text(const FakeArgs&) {
  const std::u16string text = DisplayText(sheet_->CellAt(row_, column_));
  const auto [first, count] = Stretch(text.size());
  return Variant::String(text.substr(first, count));
}

}  // namespace vk::fake
