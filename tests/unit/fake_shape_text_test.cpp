// The stand-in's shape text must answer as Excel's TextFrame and Office's TextFrame2 do, or the
// paragraph text tests prove nothing.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "automation/com_error.h"
#include "call_result.h"
#include "fake_excel.h"
#include "fake_fixture_shape_text.h"
#include "fake_text_frame.h"

namespace vk::fake {
namespace {

using test::ErrorOf;
using test::Obj;

const Variant kMissing = Variant::Missing();

std::shared_ptr<const FakeShapeText> Load(const char* json) {
  return std::make_shared<const FakeShapeText>(LoadShapeText(nlohmann::json::parse(json), "text"));
}

constexpr const char* kList = R"({
  "font": {"name": "Meiryo", "size": 14, "bold": true, "color": "#FF0000"},
  "paragraphs": [
    "Title",
    {"text": "First", "level": 1, "bullet": {"type": 2, "style": 3}},
    {"text": "Second", "level": 1, "underline": 2, "bold": false, "bullet": {"type": 2, "style": 3}},
    {"text": "Sub", "level": 2, "font": "Arial", "bullet": {"type": 1, "character": "*", "font": "Symbol"}}
  ],
  "orientation": null
})";

TEST(FakeShapeTextTest, ParagraphsTakeTheDocumentedArguments) {
  const auto excel = FakeExcel::Create();
  const ObjectPtr range = Obj(MakeFakeTextFrame2(excel, Load(kList))->Get(u"TextRange"));
  struct Case {
    std::vector<Variant> args;
    int32_t count;
    const char16_t* text;  // paragraph marks "\r", none after the last paragraph
  };
  const Case cases[] = {
      {{}, 4, u"Title\rFirst\rSecond\rSub"},
      {{Variant::I4(-1), Variant::I4(-1)}, 4, u"Title\rFirst\rSecond\rSub"},
      {{Variant::I4(2)}, 1, u"First\r"},
      {{Variant::I4(2), kMissing}, 1, u"First\r"},
      {{Variant::I4(9)}, 1, u"Sub"},                    // past the end: the last paragraph
      {{Variant::I4(3), Variant::I4(10)}, 2, u"Second\rSub"},  // to the end
      {{Variant::I4(-1), Variant::I4(2)}, 2, u"Title\rFirst\r"},
  };
  for (const Case& c : cases) {
    const ObjectPtr part = Obj(range->Invoke(u"Paragraphs", InvokeKind::PropertyGet, c.args, 0));
    EXPECT_EQ(part->Get(u"Count"), Variant::I4(c.count));
    EXPECT_EQ(part->Get(u"Text").StringValue(), c.text);
  }
  // Within a part the numbering starts again from its own first paragraph.
  const ObjectPtr part = Obj(range->Get(u"Paragraphs", {Variant::I4(2), Variant::I4(3)}));
  EXPECT_EQ(Obj(part->Get(u"Paragraphs", {Variant::I4(3)}))->Get(u"Text").StringValue(), u"Sub");
  for (const std::vector<Variant>& refused : std::vector<std::vector<Variant>>{
           {Variant::I4(0)}, {Variant::I4(1), Variant::I4(0)}, {Variant::I4(1), Variant::I4(-3)}}) {
    EXPECT_EQ(ErrorOf([&] { range->Invoke(u"Paragraphs", InvokeKind::PropertyGet, refused, 0); }), kExcelError);
  }
}

TEST(FakeShapeTextTest, FormatsPerParagraphAndMixed) {
  const auto excel = FakeExcel::Create();
  const ObjectPtr range = Obj(MakeFakeTextFrame2(excel, Load(kList))->Get(u"TextRange"));
  auto paragraph = [&](int32_t k) { return Obj(range->Get(u"Paragraphs", {Variant::I4(k), Variant::I4(1)})); };
  auto font = [](const ObjectPtr& part) { return Obj(part->Get(u"Font")); };
  auto bullet = [](const ObjectPtr& part) { return Obj(Obj(part->Get(u"ParagraphFormat"))->Get(u"Bullet")); };

  // Tri-states are VT_I4 -1/0, never VT_BOOL; Font2 follows the characters' font unless set.
  EXPECT_EQ(font(paragraph(1))->Get(u"Bold"), Variant::I4(-1));
  EXPECT_EQ(font(paragraph(1))->Get(u"Name"), Variant::String(u"Meiryo"));
  EXPECT_EQ(font(paragraph(3))->Get(u"Bold"), Variant::I4(0));
  EXPECT_EQ(font(paragraph(3))->Get(u"UnderlineStyle"), Variant::I4(2));
  EXPECT_EQ(bullet(paragraph(1))->Get(u"Type"), Variant::I4(0));
  EXPECT_EQ(bullet(paragraph(2))->Get(u"Number"), Variant::I4(1));
  EXPECT_EQ(bullet(paragraph(3))->Get(u"Number"), Variant::I4(2));  // counted along the list
  EXPECT_EQ(bullet(paragraph(3))->Get(u"Style"), Variant::I4(3));
  EXPECT_EQ(bullet(paragraph(4))->Get(u"Character"), Variant::I4('*'));
  EXPECT_EQ(font(bullet(paragraph(4)))->Get(u"Name"), Variant::String(u"Symbol"));
  EXPECT_EQ(Obj(paragraph(4)->Get(u"ParagraphFormat"))->Get(u"IndentLevel"), Variant::I4(2));

  // Over all paragraphs what they do not share is mixed.
  EXPECT_EQ(font(range)->Get(u"Bold"), Variant::I4(-2));
  EXPECT_EQ(font(range)->Get(u"Name"), Variant::String(u""));
  EXPECT_EQ(Obj(range->Get(u"ParagraphFormat"))->Get(u"IndentLevel"), Variant::I4(-2));
  EXPECT_EQ(bullet(range)->Get(u"Type"), Variant::I4(-2));

  // Office's interfaces answer by their own IIDs.
  EXPECT_NO_THROW(range->QueryInterface(Guid{0x000C0397, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}));
  EXPECT_NO_THROW(font(range)->QueryInterface(Guid{0x000C039A, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}));
  EXPECT_EQ(ErrorOf([&] { range->QueryInterface(Guid{0x000C0398, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}); }),
            kENoInterface);
}

TEST(FakeShapeTextTest, TextFrameCharactersAndSettings) {
  const auto excel = FakeExcel::Create();
  const ObjectPtr frame = MakeFakeTextFrame(excel, Load(kList));
  // Characters is a method; its text joins paragraphs with line feeds.
  const ObjectPtr all = Obj(frame->Call(u"Characters"));
  EXPECT_EQ(all->Get(u"Text"), Variant::String(u"Title\nFirst\nSecond\nSub"));
  EXPECT_EQ(all->Get(u"Count"), Variant::I4(22));
  const ObjectPtr first = Obj(frame->Call(u"Characters", {Variant::I4(1), Variant::I4(1)}));
  EXPECT_EQ(first->Get(u"Text"), Variant::String(u"T"));
  const ObjectPtr face = Obj(first->Get(u"Font"));
  EXPECT_EQ(face->Get(u"Name"), Variant::String(u"Meiryo"));
  EXPECT_EQ(face->Get(u"Size"), Variant::R8(14));
  EXPECT_EQ(face->Get(u"Bold"), Variant::Bool(true));
  EXPECT_EQ(face->Get(u"Color"), Variant::R8(255));
  EXPECT_EQ(Obj(frame->Call(u"Characters", {Variant::I4(7), kMissing}))->Get(u"Text"),
            Variant::String(u"First\nSecond\nSub"));
  EXPECT_EQ(ErrorOf([&] { frame->Call(u"Characters", {Variant::I4(0)}); }), kExcelError);

  EXPECT_EQ(frame->Get(u"HorizontalAlignment"), Variant::I4(-4131));
  EXPECT_EQ(frame->Get(u"VerticalAlignment"), Variant::I4(-4160));
  EXPECT_EQ(ErrorOf([&] { frame->Get(u"Orientation"); }), kExcelError);  // null in the fixture
}

TEST(FakeShapeTextTest, FixtureForms) {
  const auto plain = Load(R"("One\nTwo\n\nFour")");
  ASSERT_EQ(plain->paragraphs.size(), 4u);
  EXPECT_EQ(plain->paragraphs[2].text, u"");
  EXPECT_EQ(plain->paragraphs[3].text, u"Four");
  EXPECT_EQ(plain->orientation, 1);

  const char* faults[] = {
      R"({"paragraphs": []})",
      R"({"paragraphs": ["a\nb"]})",
      R"({"paragraphs": [{"txt": "a"}]})",
      R"({"paragraphs": [{"text": "a", "bullet": {"style": 2}}]})",
      R"({"paragraphs": [{"text": "a", "bullet": {"type": 1, "character": "ab"}}]})",
      R"({"paragraphs": ["a"], "orientation": "up"})",
      R"(42)",
  };
  for (const char* fault : faults) EXPECT_THROW(Load(fault), std::runtime_error) << fault;
}

}  // namespace
}  // namespace vk::fake
