// Multi-paragraph shape text rebuilt as MText, read through the stand-in's TextFrame2. Expected
// texts are written out from the MText codes the receiver reads.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "automation/com_error.h"
#include "excel/shape.h"
#include "fake_excel.h"
#include "fake_text_frame.h"
#include "import/paragraph_text.h"
#include "link/record_field.h"
#include "utf_text.h"

namespace vk {
namespace {

using fake::FakeParagraph;
using fake::FakeShapeText;
using fake::Utf8;

// Just enough of a shape to reach its text: TextFrame2, Nothing, or a failure of our own.
class TextShape final : public fake::FakeObjectOf<TextShape> {
 public:
  enum class Frame { Present, Nothing, Throws };

  TextShape(std::shared_ptr<fake::FakeExcel> excel, std::shared_ptr<const FakeShapeText> text, Frame frame)
      : FakeObjectOf(std::move(excel), u"Shape", Guid{0x00024439, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}),
        text_(std::move(text)), frame_(frame) {}

  static std::span<const Member> Members() {
    static const Member members[] = {{u"TextFrame2", InvokeKind::PropertyGet, 0, 0, &TextShape::TextFrame2}};
    return members;
  }

 private:
  Variant TextFrame2(const fake::FakeArgs&) {
    if (frame_ == Frame::Throws) throw std::runtime_error("not a COM error");
    if (frame_ == Frame::Nothing) return Variant::Object(nullptr);
    return Variant::Object(fake::MakeFakeTextFrame2(ExcelPtr(), text_));
  }

  std::shared_ptr<const FakeShapeText> text_;
  Frame frame_;
};

struct Rig {
  std::shared_ptr<fake::FakeExcel> excel = fake::FakeExcel::Create();
  ShapeRecord record{};

  explicit Rig(const char16_t* plain = u"plain\ntext\nkept") {
    SetField(record.fontName, u"Arial");
    SetField(record.text, plain);
  }
  bool Build(FakeShapeText text, TextShape::Frame frame = TextShape::Frame::Present) {
    const auto shape = std::make_shared<TextShape>(excel, std::make_shared<const FakeShapeText>(std::move(text)), frame);
    return BuildParagraphText(record, excel::Shape(shape));
  }
  std::u16string Text() const { return std::u16string(FieldText(record.text)); }
};

FakeParagraph Para(std::u16string text, int32_t level = 1) {
  FakeParagraph p;
  p.text = std::move(text);
  p.fontName = u"Calibri";  // Font2's name; the groups use the record's font all the same
  p.indentLevel = level;
  return p;
}

FakeParagraph Bulleted(std::u16string text, int32_t level, char16_t character, std::u16string font) {
  FakeParagraph p = Para(std::move(text), level);
  p.bullet.type = 1;
  p.bullet.character = character;
  p.bullet.fontName = std::move(font);
  return p;
}

FakeParagraph Numbered(std::u16string text, int32_t level, int32_t style, std::optional<int32_t> number = {}) {
  FakeParagraph p = Para(std::move(text), level);
  p.bullet.type = 2;
  p.bullet.style = style;
  p.bullet.number = number;
  return p;
}

FakeShapeText Paragraphs(std::vector<FakeParagraph> paragraphs) {
  FakeShapeText text;
  text.paragraphs = std::move(paragraphs);
  return text;
}

TEST(ParagraphTextTest, WhichTextsAreRebuilt) {
  struct Case {
    const char16_t* text;
    bool wanted;
  };
  const Case cases[] = {
      {u"One line of plain text", false},
      {u"Line one is long\nLine two is long too", false},  // one line feed, however long
      {u"Line one\nLine two\nLine three", true},
      {u"ab\ncd\nefgh", false},    // 10 characters: not more than 10
      {u"ab\ncd\nefghi", true},    // 11
      {u"Heading\n\nBody text", true},  // line feeds side by side are still two places
      {u"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(WantsParagraphText(c.text), c.wanted) << Utf8(c.text);
}

TEST(ParagraphTextTest, ParagraphsBecomeFontGroups) {
  FakeParagraph bold = Para(u"Bold");
  bold.bold = -1;
  FakeParagraph underlined = Para(u"Underlined");
  underlined.underlineStyle = 2;
  FakeParagraph mixed = Para(u"Mixed");
  mixed.bold = -2;            // only msoTrue counts as bold
  mixed.underlineStyle = -2;  // anything but "none" underlines

  struct Case {
    const char* name;
    FakeShapeText text;
    const char16_t* expected;
  };
  const Case cases[] = {
      {"three plain lines, trimmed", FakeShapeText::Plain(u"  First line \n\tSecond\u3000\nThird\u00A0 "),
       u"\u0002{\\fArial|b0|i0|c1|p0;First line}\\P{\\fArial|b0|i0|c1|p0;Second}"
       u"\\P{\\fArial|b0|i0|c1|p0;Third\u00A0}"},
      {"bold and underline", Paragraphs({bold, underlined, mixed}),
       u"\u0002{\\fArial|b1|i0|c1|p0;Bold}\\P{\\fArial|b0|i0|c1|p0;\\LUnderlined}"
       u"\\P{\\fArial|b0|i0|c1|p0;\\LMixed}"},
      {"empty paragraphs add a break of their own", Paragraphs({Para(u""), Para(u"Middle"), Para(u" \t "), Para(u"End")}),
       u"\u0002\\P{\\fArial|b0|i0|c1|p0;}\\P{\\fArial|b0|i0|c1|p0;Middle}\\P\\P{\\fArial|b0|i0|c1|p0;}"
       u"\\P{\\fArial|b0|i0|c1|p0;End}"},
      {"backslashes and braces copied", Paragraphs({Para(u"C:\\Data\\{x}"), Para(u"a}b{"), Para(u"\\P")}),
       u"\u0002{\\fArial|b0|i0|c1|p0;C:\\Data\\{x}}\\P{\\fArial|b0|i0|c1|p0;a}b{}\\P{\\fArial|b0|i0|c1|p0;\\P}"},
  };
  for (const Case& c : cases) {
    Rig rig;
    EXPECT_TRUE(rig.Build(c.text)) << c.name;
    EXPECT_EQ(Utf8(rig.Text()), Utf8(c.expected)) << c.name;
  }
}

TEST(ParagraphTextTest, BulletsAndTheResetAfterAList) {
  FakeParagraph picture = Para(u"Picture bullet");
  picture.bullet.type = 3;  // a list paragraph, but nothing is drawn for its bullet
  Rig rig;
  ASSERT_TRUE(rig.Build(Paragraphs({Para(u"Intro"), Bulleted(u"One", 1, u'\u2022', u"Symbol"),
                                    Bulleted(u"Two", 1, u'\u2022', u"Symbol"), Bulleted(u"Sub", 2, u'\u00A7', u"Wingdings"),
                                    Para(u"After"), Para(u"End"), picture, Para(u"Last")})));
  EXPECT_EQ(Utf8(rig.Text()),
            Utf8(u"\u0002{\\fArial|b0|i0|c1|p0;Intro}"
                 u"\\P\\pxi-3,l3,t3;{\\fSymbol|b0|i0|c1|p0;\u2022}\t{\\fArial|b0|i0|c1|p0;One}"
                 u"\\P\\pxi-3,l3,t3;{\\fSymbol|b0|i0|c1|p0;\u2022}\t{\\fArial|b0|i0|c1|p0;Two}"
                 u"\\P\\pxi-3,l6,tz;{\\fWingdings|b0|i0|c1|p0;\u00A7}\t{\\fArial|b0|i0|c1|p0;Sub}"
                 u"\\P\\pi0,l0,tz;{\\fArial|b0|i0|c1|p0;After}"
                 u"\\P{\\fArial|b0|i0|c1|p0;End}"
                 u"\\P\\pxi-3,l3,t3;{\\fArial|b0|i0|c1|p0;Picture bullet}"
                 u"\\P\\pi0,l0,tz;{\\fArial|b0|i0|c1|p0;Last}"));
}

TEST(ParagraphTextTest, NumberedStylesInTheRecordsFont) {
  // Styles 2 "1)" and 3 "1." are written with the paragraph's number; any other style leaves
  // only the indent codes. Numbers come from Office, counted or set.
  Rig rig;
  ASSERT_TRUE(rig.Build(Paragraphs({Numbered(u"Alpha", 1, 3), Numbered(u"Beta", 1, 3, 7), Numbered(u"Gamma", 2, 2),
                                    Numbered(u"Delta", 1, 5)})));
  EXPECT_EQ(Utf8(rig.Text()),
            Utf8(u"\u0002\\pxi-3,l3,t3;{\\fArial|b0|i0|c1|p0;1.}\t{\\fArial|b0|i0|c1|p0;Alpha}"
                 u"\\P\\pxi-3,l3,t3;{\\fArial|b0|i0|c1|p0;7.}\t{\\fArial|b0|i0|c1|p0;Beta}"
                 u"\\P\\pxi-3,l6,tz;{\\fArial|b0|i0|c1|p0;1)}\t{\\fArial|b0|i0|c1|p0;Gamma}"
                 u"\\P\\pxi-3,l3,t3;{\\fArial|b0|i0|c1|p0;Delta}"));
}

TEST(ParagraphTextTest, ANulBulletCharacterIsLeftOut) {
  // A NUL would end the text for the receiver and lose every later paragraph.
  Rig rig;
  ASSERT_TRUE(rig.Build(Paragraphs({Bulleted(u"One", 1, u'\0', u"Symbol"), Para(u"Two")})));
  EXPECT_EQ(Utf8(rig.Text()), Utf8(u"\u0002\\pxi-3,l3,t3;{\\fSymbol|b0|i0|c1|p0;}\t{\\fArial|b0|i0|c1|p0;One}"
                                   u"\\P\\pi0,l0,tz;{\\fArial|b0|i0|c1|p0;Two}"));
}

// "{\fArial|b0|i0|c1|p0;": every plain paragraph's group opens with these 21 units.
std::u16string Group(const std::u16string& text) { return u"{\\fArial|b0|i0|c1|p0;" + text + u"}"; }

TEST(ParagraphTextTest, CutAt2047UnitsClosesTheLastGroup) {
  const std::u16string a1000(1000, u'A');
  const std::u16string smile = u"\U0001F600";
  struct Case {
    const char* name;
    std::vector<std::u16string> paragraphs;
    std::u16string expected;
    size_t read = 2;  // paragraphs whose text was asked for
  };
  // The lead and the first group of 1000 take 1023 units; the second group's head "\P{\f…;" 23
  // more and its brace 1: 1000 units of its text fit.
  const Case cases[] = {
      {"cut inside the second paragraph", {a1000, std::u16string(1500, u'B'), u"Never read"},
       u"\u0002" + Group(a1000) + u"\\P" + Group(std::u16string(1000, u'B'))},
      {"fits exactly", {a1000, std::u16string(1000, u'B')},
       u"\u0002" + Group(a1000) + u"\\P" + Group(std::u16string(1000, u'B'))},
      {"no half surrogate pair", {a1000, std::u16string(999, u'B') + smile + u"tail"},
       u"\u0002" + Group(a1000) + u"\\P" + Group(std::u16string(999, u'B'))},
      {"no backslash before the brace", {a1000, std::u16string(997, u'B') + u"x\\\\tail"},
       u"\u0002" + Group(a1000) + u"\\P" + Group(std::u16string(997, u'B') + u"x")},
      {"one character still fits", {std::u16string(1999, u'A'), u"BC"},
       u"\u0002" + Group(std::u16string(1999, u'A')) + u"\\P" + Group(u"B")},
      {"a paragraph of which nothing fits is left out", {std::u16string(2000, u'A'), u"BC"},
       u"\u0002" + Group(std::u16string(2000, u'A'))},
      {"one long paragraph", {std::u16string(3000, u'A'), u"B", u"C"},
       u"\u0002" + Group(std::u16string(2024, u'A')), 1},
  };
  for (const Case& c : cases) {
    std::vector<FakeParagraph> paragraphs;
    for (const std::u16string& text : c.paragraphs) paragraphs.push_back(Para(text));
    Rig rig;
    ASSERT_TRUE(rig.Build(Paragraphs(std::move(paragraphs)))) << c.name;
    EXPECT_EQ(rig.Text(), c.expected) << c.name;
    EXPECT_LE(rig.Text().size(), 2047u) << c.name;
    EXPECT_EQ(rig.record.text[2047], u'\0') << c.name;
    // Once the field is full, later paragraphs are not even read.
    EXPECT_EQ(rig.excel->CallCount("TextRange2.Text"), c.read) << c.name;
  }
}

TEST(ParagraphTextTest, AnyFailureKeepsThePlainText) {
  const FakeShapeText list =
      Paragraphs({Para(u"Intro"), Bulleted(u"One", 1, u'\u2022', u"Symbol"), Numbered(u"Two", 1, 2)});
  struct Case {
    const char* name;
    std::string failMember;  // empty: none
    TextShape::Frame frame = TextShape::Frame::Present;
  };
  const Case cases[] = {
      {"TextFrame2 fails", "Shape.TextFrame2"},
      {"TextFrame2 is Nothing", "", TextShape::Frame::Nothing},
      {"an exception of our own", "", TextShape::Frame::Throws},
      {"TextRange fails", "TextFrame2.TextRange"},
      {"Paragraphs fails", "TextRange2.Paragraphs"},
      {"Count fails", "TextRange2.Count"},
      {"Text fails", "TextRange2.Text"},
      {"Bold fails", "Font2.Bold"},
      {"UnderlineStyle fails", "Font2.UnderlineStyle"},
      {"IndentLevel fails", "ParagraphFormat2.IndentLevel"},
      {"Bullet fails", "ParagraphFormat2.Bullet"},
      {"bullet Type fails", "BulletFormat2.Type"},
      {"bullet Character fails", "BulletFormat2.Character"},
      {"bullet font Name fails", "Font2.Name"},
      {"bullet Style fails", "BulletFormat2.Style"},
      {"bullet Number fails", "BulletFormat2.Number"},
  };
  for (const Case& c : cases) {
    Rig rig;
    if (!c.failMember.empty()) rig.excel->FailMember(c.failMember);
    EXPECT_FALSE(rig.Build(list, c.frame)) << c.name;
    EXPECT_EQ(rig.Text(), u"plain\ntext\nkept") << c.name;
  }
}

}  // namespace
}  // namespace vk
