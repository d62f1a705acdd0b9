#include "fake_shape_text.h"

namespace vk::fake {

FakeShapeText FakeShapeText::Plain(std::u16string_view text, const FakeFontFace& font) {
  FakeShapeText shape;
  shape.font = font;
  const FakeFontFace face = font.Over(FakeFontFace::Standard());
  size_t begin = 0;
  while (true) {
    const size_t end = text.find(u'\n', begin);
    FakeParagraph paragraph;
    paragraph.text = text.substr(begin, end == std::u16string_view::npos ? end : end - begin);
    paragraph.bold = face.bold.value_or(false) ? -1 : 0;
    paragraph.fontName = face.name.value_or(u"");
    shape.paragraphs.push_back(std::move(paragraph));
    if (end == std::u16string_view::npos) break;
    begin = end + 1;
  }
  return shape;
}

std::u16string FakeShapeText::CharacterText() const {
  std::u16string text;
  for (size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) text += u'\n';
    text += paragraphs[i].text;
  }
  return text;
}

int32_t FakeShapeText::BulletNumber(size_t index) const {
  const FakeParagraph& own = paragraphs.at(index);
  if (own.bullet.number) return *own.bullet.number;
  int32_t number = 1;
  for (size_t i = index; i-- > 0;) {
    const FakeParagraph& before = paragraphs[i];
    if (before.bullet.type != 2 || before.indentLevel != own.indentLevel ||
        before.bullet.style != own.bullet.style) {
      break;
    }
    ++number;
  }
  return number;
}

}  // namespace vk::fake
