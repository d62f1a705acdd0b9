#include "fake_text_range2.h"

#include <functional>
#include <vector>

#include "fake_excel.h"

// Office's text objects (V:office.textrange2, V:office.font2, V:office.paragraphformat2,
// V:office.bulletformat2). Over several paragraphs a value they do not share reads as Office's
// mixed value -2 (a name as "") (ck: the pages document no mixed values but MsoTriState's and
// the enumerations' own "Mixed" members).
namespace vk::fake {
namespace {

constexpr Guid kIidTextRange2{0x000C0397, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidFont2{0x000C039A, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidParagraphFormat2{0x000C0399, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidBulletFormat2{0x000C03B9, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

constexpr int32_t kMixed = -2;

using TextPtr = std::shared_ptr<const FakeShapeText>;

// The paragraphs an object stands for, by index into the text.
struct Span {
  TextPtr text;
  size_t first = 0;
  size_t count = 0;

  const FakeParagraph& At(size_t i) const { return text->paragraphs[first + i]; }

  // The value every paragraph shares, or `mixed`.
  template <class T>
  T Common(const std::function<T(size_t index)>& value, T mixed) const {
    if (count == 0) return mixed;
    const T one = value(first);
    for (size_t i = first + 1; i < first + count; ++i) {
      if (value(i) != one) return mixed;
    }
    return one;
  }
  int32_t CommonInt(const std::function<int32_t(const FakeParagraph&)>& value) const {
    return Common<int32_t>([&](size_t i) { return value(text->paragraphs[i]); }, kMixed);
  }
};

// Font2 of a range's text, or of its bullets.
class FakeFont2 final : public FakeObjectOf<FakeFont2> {
 public:
  FakeFont2(std::shared_ptr<FakeExcel> excel, Span span, bool ofBullet)
      : FakeObjectOf(std::move(excel), u"Font2", kIidFont2), span_(std::move(span)), ofBullet_(ofBullet) {}

  static std::span<const Member> Members() {
    using F = FakeFont2;
    static const Member members[] = {
        {u"Bold", InvokeKind::PropertyGet, 0, 0, &F::Bold},
        {u"UnderlineStyle", InvokeKind::PropertyGet, 0, 0, &F::UnderlineStyle},
        {u"Name", InvokeKind::PropertyGet, 0, 0, &F::Name},
    };
    return members;
  }

 private:
  // MsoTriState as the type library gives it: VT_I4, not VT_BOOL.
  Variant Bold(const FakeArgs&) {
    return Variant::I4(ofBullet_ ? 0 : span_.CommonInt([](const FakeParagraph& p) { return p.bold; }));
  }
  Variant UnderlineStyle(const FakeArgs&) {
    return Variant::I4(ofBullet_ ? 0 : span_.CommonInt([](const FakeParagraph& p) { return p.underlineStyle; }));
  }
  Variant Name(const FakeArgs&) {
    const bool bullet = ofBullet_;
    return Variant::String(span_.Common<std::u16string>(
        [&](size_t i) {
          const FakeParagraph& p = span_.text->paragraphs[i];
          return bullet ? p.bullet.fontName : p.fontName;
        },
        u""));
  }

  Span span_;
  bool ofBullet_;
};

class FakeBulletFormat2 final : public FakeObjectOf<FakeBulletFormat2> {
 public:
  FakeBulletFormat2(std::shared_ptr<FakeExcel> excel, Span span)
      : FakeObjectOf(std::move(excel), u"BulletFormat2", kIidBulletFormat2), span_(std::move(span)) {}

  static std::span<const Member> Members() {
    using B = FakeBulletFormat2;
    static const Member members[] = {
        {u"Type", InvokeKind::PropertyGet, 0, 0, &B::Type},
        {u"Style", InvokeKind::PropertyGet, 0, 0, &B::Style},
        {u"Number", InvokeKind::PropertyGet, 0, 0, &B::Number},
        {u"Character", InvokeKind::PropertyGet, 0, 0, &B::Character},
        {u"Font", InvokeKind::PropertyGet, 0, 0, &B::Font},
    };
    return members;
  }

 private:
  Variant Type(const FakeArgs&) {
    return Variant::I4(span_.CommonInt([](const FakeParagraph& p) { return p.bullet.type; }));
  }
  Variant Style(const FakeArgs&) {
    return Variant::I4(span_.CommonInt([](const FakeParagraph& p) { return p.bullet.style; }));
  }
  // The first paragraph's number over several (ck).
  Variant Number(const FakeArgs&) {
    return Variant::I4(span_.count == 0 ? 0 : span_.text->BulletNumber(span_.first));
  }
  Variant Character(const FakeArgs&) {
    return Variant::I4(span_.CommonInt([](const FakeParagraph& p) { return p.bullet.character; }));
  }
  Variant Font(const FakeArgs&) {
    return Variant::Object(std::make_shared<FakeFont2>(ExcelPtr(), span_, true));
  }

  Span span_;
};

class FakeParagraphFormat2 final : public FakeObjectOf<FakeParagraphFormat2> {
 public:
  FakeParagraphFormat2(std::shared_ptr<FakeExcel> excel, Span span)
      : FakeObjectOf(std::move(excel), u"ParagraphFormat2", kIidParagraphFormat2), span_(std::move(span)) {}

  static std::span<const Member> Members() {
    using P = FakeParagraphFormat2;
    static const Member members[] = {
        {u"IndentLevel", InvokeKind::PropertyGet, 0, 0, &P::IndentLevel},
        {u"Bullet", InvokeKind::PropertyGet, 0, 0, &P::Bullet},
    };
    return members;
  }

 private:
  Variant IndentLevel(const FakeArgs&) {
    return Variant::I4(span_.CommonInt([](const FakeParagraph& p) { return p.indentLevel; }));
  }
  Variant Bullet(const FakeArgs&) {
    return Variant::Object(std::make_shared<FakeBulletFormat2>(ExcelPtr(), span_));
  }

  Span span_;
};

class FakeTextRange2 final : public FakeObjectOf<FakeTextRange2> {
 public:
  FakeTextRange2(std::shared_ptr<FakeExcel> excel, Span span)
      : FakeObjectOf(std::move(excel), u"TextRange2", kIidTextRange2), span_(std::move(span)) {}

  static std::span<const Member> Members() {
    using T = FakeTextRange2;
    static const Member members[] = {
        {u"Paragraphs", InvokeKind::PropertyGet, 0, 2, &T::Paragraphs},
        {u"Count", InvokeKind::PropertyGet, 0, 0, &T::Count},
        {u"Text", InvokeKind::PropertyGet, 0, 0, &T::Text},
        {u"Font", InvokeKind::PropertyGet, 0, 0, &T::Font},
        {u"ParagraphFormat", InvokeKind::PropertyGet, 0, 0, &T::ParagraphFormat},
    };
    return members;
  }

 private:
  // Paragraphs(Start, Length), both -1 when omitted (O:textrange2.paragraphs): -1 and -1 give
  // every paragraph, a Start alone one paragraph, a Start past the end the last paragraph and a
  // Length past the end the paragraphs to the end (V:office.textrange2.paragraphs). A Start of -1
  // with a Length counts from the first paragraph, and any other Start below 1, a Length of 0 or
  // below -1 are refused (ck: not documented).
  Variant Paragraphs(const FakeArgs& args) {
    const int32_t start = args.Has(0) ? args[0].ToInt32() : -1;
    const int32_t length = args.Has(1) ? args[1].ToInt32() : -1;
    if ((start < 1 && start != -1) || length == 0 || length < -1) Raise();
    Span part = span_;
    if (start == -1 && length == -1) return Variant::Object(std::make_shared<FakeTextRange2>(ExcelPtr(), part));
    const size_t total = span_.count;
    size_t from = start == -1 ? 0 : static_cast<size_t>(start) - 1;
    if (total > 0 && from >= total) from = total - 1;
    const size_t rest = total > from ? total - from : 0;
    part.first = span_.first + from;
    part.count = length == -1 ? std::min<size_t>(1, rest) : std::min(static_cast<size_t>(length), rest);
    return Variant::Object(std::make_shared<FakeTextRange2>(ExcelPtr(), part));
  }

  Variant Count(const FakeArgs&) { return Variant::I4(static_cast<int32_t>(span_.count)); }

  // Each paragraph's text with its paragraph mark "\r", but for the text's last paragraph,
  // which has none (ck: as Office's text ranges end paragraphs).
  Variant Text(const FakeArgs&) {
    std::u16string text;
    const size_t last = span_.text->paragraphs.size() - 1;
    for (size_t i = span_.first; i < span_.first + span_.count; ++i) {
      text += span_.text->paragraphs[i].text;
      if (i < last) text += u'\r';
    }
    return Variant::String(std::move(text));
  }

  Variant Font(const FakeArgs&) { return Variant::Object(std::make_shared<FakeFont2>(ExcelPtr(), span_, false)); }
  Variant ParagraphFormat(const FakeArgs&) {
    return Variant::Object(std::make_shared<FakeParagraphFormat2>(ExcelPtr(), span_));
  }

  Span span_;
};

}  // namespace

ObjectPtr MakeFakeTextRange2(std::shared_ptr<FakeExcel> excel, std::shared_ptr<const FakeShapeText> text,
                             size_t first, size_t count) {
  return std::make_shared<FakeTextRange2>(std::move(excel), Span{std::move(text), first, count});
}

}  // namespace vk::fake
