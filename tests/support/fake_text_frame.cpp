#include "fake_text_frame.h"

#include "fake_characters.h"
#include "fake_excel.h"
#include "fake_text_range2.h"

namespace vk::fake {
namespace {

constexpr Guid kIidTextFrame{0x0002443D, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidTextFrame2{0x000C0398, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

using TextPtr = std::shared_ptr<const FakeShapeText>;

// Excel's TextFrame (V:excel.textframe).
class FakeTextFrame final : public FakeObjectOf<FakeTextFrame> {
 public:
  FakeTextFrame(std::shared_ptr<FakeExcel> excel, TextPtr text)
      : FakeObjectOf(std::move(excel), u"TextFrame", kIidTextFrame), text_(std::move(text)) {}

  static std::span<const Member> Members() {
    using T = FakeTextFrame;
    static const Member members[] = {
        {u"Characters", InvokeKind::Method, 0, 2, &T::Characters},
        {u"HorizontalAlignment", InvokeKind::PropertyGet, 0, 0, &T::HorizontalAlignment},
        {u"VerticalAlignment", InvokeKind::PropertyGet, 0, 0, &T::VerticalAlignment},
        {u"Orientation", InvokeKind::PropertyGet, 0, 0, &T::Orientation},
    };
    return members;
  }

 private:
  // Characters([Start], [Length]): from the first character and to the end when omitted
  // (V:excel.textframe.characters); a Start below 1 is refused (ck).
  Variant Characters(const FakeArgs& args) {
    const int32_t start = args.Has(0) ? args[0].ToInt32() : 1;
    const int32_t length = args.Has(1) ? args[1].ToInt32() : -1;
    if (start < 1 || (args.Has(1) && length < 0)) Raise();
    auto content = [text = text_] {
      const FakeFontFace face = text->font.Over(FakeFontFace::Standard());
      return FakeCharacterContent{text->CharacterText(), {face}, face};
    };
    return Variant::Object(std::make_shared<FakeCharacters>(ExcelPtr(), std::move(content), start, length));
  }

  // XlHAlign, XlVAlign and MsoTextOrientation as VT_I4; unset ones fail as Excel's general error.
  static Variant Setting(const std::optional<int32_t>& value) {
    if (!value) Raise();
    return Variant::I4(*value);
  }
  Variant HorizontalAlignment(const FakeArgs&) { return Setting(text_->horizontalAlignment); }
  Variant VerticalAlignment(const FakeArgs&) { return Setting(text_->verticalAlignment); }
  Variant Orientation(const FakeArgs&) { return Setting(text_->orientation); }

  TextPtr text_;
};

// Office's TextFrame2 (V:excel.textframe2).
class FakeTextFrame2 final : public FakeObjectOf<FakeTextFrame2> {
 public:
  FakeTextFrame2(std::shared_ptr<FakeExcel> excel, TextPtr text)
      : FakeObjectOf(std::move(excel), u"TextFrame2", kIidTextFrame2), text_(std::move(text)) {}

  static std::span<const Member> Members() {
    static const Member members[] = {
        {u"TextRange", InvokeKind::PropertyGet, 0, 0, &FakeTextFrame2::TextRange},
    };
    return members;
  }

 private:
  Variant TextRange(const FakeArgs&) {
    return Variant::Object(MakeFakeTextRange2(ExcelPtr(), text_, 0, text_->paragraphs.size()));
  }

  TextPtr text_;
};

}  // namespace

ObjectPtr MakeFakeTextFrame(std::shared_ptr<FakeExcel> excel, std::shared_ptr<const FakeShapeText> text) {
  return std::make_shared<FakeTextFrame>(std::move(excel), std::move(text));
}

ObjectPtr MakeFakeTextFrame2(std::shared_ptr<FakeExcel> excel, std::shared_ptr<const FakeShapeText> text) {
  return std::make_shared<FakeTextFrame2>(std::move(excel), std::move(text));
}

}  // namespace vk::fake
