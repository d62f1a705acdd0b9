// Any paragraphs, any font name, any failing call: BuildParagraphText never writes past the
// record's text field, leaves it zero-terminated, and either replaces the text with MText that
// begins with U+0002 and ends on a closed group, or keeps the plain text it found.
#include <cstdint>
#include <string>
#include <vector>

#include "automation/automation_object.h"
#include "automation/com_error.h"
#include "excel/shape.h"
#include "fuzz_support.h"
#include "import/paragraph_text.h"
#include "link/record_field.h"
#include "link/shape_record.h"

namespace {

using namespace vk;

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t Unit() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  // A text of up to `limit` units, cheaply long: a few units from the input, repeated.
  std::u16string Text(size_t limit) {
    const size_t length = Unit() % (limit + 1);
    std::u16string pattern(Byte() % 8 + 1, u'\0');
    for (char16_t& c : pattern) c = Unit();
    std::u16string text;
    for (size_t i = 0; i < length; ++i) text.push_back(pattern[i % pattern.size()]);
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

struct Paragraph {
  std::u16string text;
  int32_t bold, underline, level, type, style, number, character;
  std::u16string bulletFont;
};

struct Text {
  std::vector<Paragraph> paragraphs;
  size_t failAt = 0;  // 0: no call fails
  size_t calls = 0;
};

// The shape and its TextFrame2 objects in one, by role; answers what the paragraph text asks.
class Part final : public AutomationObject {
 public:
  enum class Role { Shape, Frame, Range, Font, Format, Bullet, BulletFont };
  Part(Text* text, Role role, size_t first, size_t count) : text_(text), role_(role), first_(first), count_(count) {}

  Variant Invoke(std::u16string_view member, InvokeKind, std::span<const Variant> args, uint32_t) override {
    if (++text_->calls == text_->failAt) throw ComError(kDispEException);
    const Paragraph& p = text_->paragraphs.at(first_ < text_->paragraphs.size() ? first_ : 0);
    switch (role_) {
      case Role::Shape:
        if (member == u"TextFrame2") return Make(Role::Frame, 0, text_->paragraphs.size());
        break;
      case Role::Frame:
        if (member == u"TextRange") return Make(Role::Range, 0, text_->paragraphs.size());
        break;
      case Role::Range:
        if (member == u"Count") return Variant::I4(static_cast<int32_t>(count_));
        if (member == u"Paragraphs") {
          const int32_t start = args.empty() ? -1 : args[0].ToInt32();
          if (start == -1) return Make(Role::Range, first_, count_);
          const size_t k = static_cast<size_t>(start) - 1;
          return Make(Role::Range, first_ + (k < count_ ? k : count_ - 1), 1);
        }
        if (member == u"Text") return Variant::String(p.text + u"\r");
        if (member == u"Font") return Make(Role::Font, first_, 1);
        if (member == u"ParagraphFormat") return Make(Role::Format, first_, 1);
        break;
      case Role::Font:
        if (member == u"Bold") return Variant::I4(p.bold);
        if (member == u"UnderlineStyle") return Variant::I4(p.underline);
        break;
      case Role::Format:
        if (member == u"IndentLevel") return Variant::I4(p.level);
        if (member == u"Bullet") return Make(Role::Bullet, first_, 1);
        break;
      case Role::Bullet:
        if (member == u"Type") return Variant::I4(p.type);
        if (member == u"Style") return Variant::I4(p.style);
        if (member == u"Number") return Variant::I4(p.number);
        if (member == u"Character") return Variant::I4(p.character);
        if (member == u"Font") return Make(Role::BulletFont, first_, 1);
        break;
      case Role::BulletFont:
        if (member == u"Name") return Variant::String(p.bulletFont);
        break;
    }
    throw ComError(kDispEUnknownName);
  }
  ObjectPtr QueryInterface(const Guid&) override { throw ComError(kENoInterface); }

 private:
  Variant Make(Role role, size_t first, size_t count) {
    return Variant::Object(std::make_shared<Part>(text_, role, first, count));
  }

  Text* text_;
  Role role_;
  size_t first_;
  size_t count_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  Text text;
  const std::u16string fontName = in.Text(140);  // past the field's 127 units too
  text.failAt = in.Byte() % 4 == 0 ? in.Byte() : 0;
  while (!in.Empty() && text.paragraphs.size() < 200) {
    Paragraph p;
    p.bold = static_cast<int8_t>(in.Byte());
    p.underline = static_cast<int8_t>(in.Byte());
    p.level = static_cast<int8_t>(in.Byte());
    p.type = in.Byte() % 5 - 1;
    p.style = in.Byte() % 6;
    p.number = static_cast<int16_t>(in.Unit());
    p.character = in.Unit();
    p.bulletFont = in.Text(40);
    p.text = in.Text(2500);
    text.paragraphs.push_back(std::move(p));
  }
  if (text.paragraphs.empty()) return 0;

  ShapeRecord record{};
  SetField(record.fontName, fontName);
  const std::u16string plain = u"plain\ntext\nkept";
  SetField(record.text, plain);
  record.reserved2[0] = 0x5A;  // the byte right behind the text field
  const bool built = BuildParagraphText(
      record, excel::Shape(std::make_shared<Part>(&text, Part::Role::Shape, 0, text.paragraphs.size())));

  const std::u16string_view out = FieldText(record.text);
  fuzz::Check(record.text[std::size(record.text) - 1] == u'\0');
  fuzz::Check(record.reserved2[0] == 0x5A && record.reserved2[1] == 0);
  fuzz::Check(FieldText(record.fontName).size() <= 127);
  if (!built) {
    fuzz::Check(out == plain);
    return 0;
  }
  fuzz::Check(!out.empty() && out.size() <= 2047 && out[0] == u'\u0002');
  // Nothing after the terminator: the rest of the field is zero.
  for (size_t i = out.size(); i < std::size(record.text); ++i) fuzz::Check(record.text[i] == u'\0');
  // Every paragraph written, the cut one too, has its group closed.
  fuzz::Check(out.size() == 1 || out.back() == u'}');
  return 0;
}
