#include "fake_characters.h"

#include <algorithm>

#include "fake_excel.h"
#include "fake_font.h"

namespace vk::fake {
namespace {
constexpr Guid kIidCharacters{0x00020878, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeCharacters::FakeCharacters(std::shared_ptr<FakeExcel> excel, std::function<FakeCharacterContent()> content,
                               int32_t start, int32_t length, bool ofCell)
    : FakeObjectOf(std::move(excel), u"Characters", kIidCharacters),
      content_(std::move(content)), start_(start), length_(length), ofCell_(ofCell) {}

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
  return Variant::I4(static_cast<int32_t>(Stretch(content_().text.size()).second));
}

// The font of the stretch; an empty stretch has the text's own (ck).
Variant FakeCharacters::Font(const FakeArgs&) {
  FakeCharacterContent content = content_();
  std::vector<FakeFontFace> faces = std::move(content.faces);
  if (faces.size() > 1) {
    const auto [first, count] = Stretch(faces.size());
    if (count > 0) faces = std::vector<FakeFontFace>(faces.begin() + static_cast<ptrdiff_t>(first),
                                                     faces.begin() + static_cast<ptrdiff_t>(first + count));
    else faces = {content.ownFace};
  }
  return Variant::Object(std::make_shared<FakeFont>(ExcelPtr(), std::move(faces)));
}

Variant FakeCharacters::Text(const FakeArgs&) {
  const std::u16string text = content_().text;
  const auto [first, count] = Stretch(text.size());
  if (ofCell_ && count > 1 && Excel().RefusesMultiCellReads()) Raise();
  return Variant::String(text.substr(first, count));
}

}  // namespace vk::fake
