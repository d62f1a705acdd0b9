#include "fake_font.h"

#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr Guid kIidFont{0x0002084D, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

Variant MakeBool(bool value) { return Variant::Bool(value); }
Variant MakeI4(int32_t value) { return Variant::I4(value); }
// Sizes and colours are doubles in Excel's VARIANTs (ck).
Variant MakeR8(double value) { return Variant::R8(value); }
Variant MakeColour(int32_t value) { return Variant::R8(value); }
Variant MakeText(std::u16string value) { return Variant::String(std::move(value)); }
}  // namespace

FakeFont::FakeFont(std::shared_ptr<FakeExcel> excel, std::vector<FakeFontFace> faces)
    : FakeObjectOf(std::move(excel), u"Font", kIidFont), faces_(std::move(faces)) {}

std::span<const FakeFont::Member> FakeFont::Members() {
  using F = FakeFont;
  static const Member members[] = {
      {u"Bold", InvokeKind::PropertyGet, 0, 0, &F::Bold},
      {u"Italic", InvokeKind::PropertyGet, 0, 0, &F::Italic},
      {u"Underline", InvokeKind::PropertyGet, 0, 0, &F::Underline},
      {u"Strikethrough", InvokeKind::PropertyGet, 0, 0, &F::Strikethrough},
      {u"Color", InvokeKind::PropertyGet, 0, 0, &F::Color},
      {u"Size", InvokeKind::PropertyGet, 0, 0, &F::Size},
      {u"Superscript", InvokeKind::PropertyGet, 0, 0, &F::Superscript},
      {u"Subscript", InvokeKind::PropertyGet, 0, 0, &F::Subscript},
      {u"Name", InvokeKind::PropertyGet, 0, 0, &F::Name},
  };
  return members;
}

template <class T>
Variant FakeFont::Common(std::optional<T> FakeFontFace::*property, Variant (*make)(T)) const {
  if (faces_.empty()) return Variant::Null();
  const std::optional<T>& first = faces_.front().*property;
  for (const FakeFontFace& face : faces_) {
    if (!(face.*property) || !first || *(face.*property) != *first) return Variant::Null();
  }
  return make(*first);
}

Variant FakeFont::Bold(const FakeArgs&) { return Common(&FakeFontFace::bold, MakeBool); }
Variant FakeFont::Italic(const FakeArgs&) { return Common(&FakeFontFace::italic, MakeBool); }
Variant FakeFont::Underline(const FakeArgs&) { return Common(&FakeFontFace::underline, MakeI4); }
Variant FakeFont::Strikethrough(const FakeArgs&) { return Common(&FakeFontFace::strikethrough, MakeBool); }
Variant FakeFont::Color(const FakeArgs&) { return Common(&FakeFontFace::color, MakeColour); }
Variant FakeFont::Size(const FakeArgs&) { return Common(&FakeFontFace::size, MakeR8); }
Variant FakeFont::Superscript(const FakeArgs&) { return Common(&FakeFontFace::superscript, MakeBool); }
Variant FakeFont::Subscript(const FakeArgs&) { return Common(&FakeFontFace::subscript, MakeBool); }
// Excel compares font names as it stores them; faces differing in case are mixed (ck).
Variant FakeFont::Name(const FakeArgs&) { return Common(&FakeFontFace::name, MakeText); }

}  // namespace vk::fake
