#include "import/cell_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/char_font.h"
#include "link/cell_record.h"

namespace vk {
namespace {

std::u16string Escaped(std::u16string_view text, size_t capacity) {
  std::vector<char16_t> buffer(capacity + 1, u'#');  // one guard unit past the capacity
  const size_t written = EscapeCellText(text, buffer.data(), capacity);
  EXPECT_EQ(buffer[capacity], u'#') << "wrote past the capacity";
  EXPECT_LT(written, capacity == 0 ? 1 : capacity);
  return std::u16string(buffer.data(), written);
}

TEST(EscapeCellText, EscapesBackslashAndBracesOnly) {
  struct Case {
    std::u16string text;
    std::u16string escaped;
  };
  const std::vector<Case> cases = {
      {u"plain text 1.5", u"plain text 1.5"},
      {u"a{b}c", u"a\\{b\\}c"},
      {u"C:\\Work", u"C:\\\\Work"},
      {u"\\{}", u"\\\\\\{\\}"},
      {u"%s %d [x] |b1| \u6c34 \U0001F600", u"%s %d [x] |b1| \u6c34 \U0001F600"},
  };
  for (const Case& c : cases) EXPECT_EQ(Escaped(c.text, 4096), c.escaped);
}

// A text that no longer fits after escaping is cut after the last whole character: never
// between an escape and its character, never inside a surrogate pair.
TEST(EscapeCellText, CutsOnlyBetweenWholeCharacters) {
  EXPECT_EQ(Escaped(u"ab{c", 4), u"ab");       // room for 3 units: "\{" would need 4
  EXPECT_EQ(Escaped(u"ab{c", 5), u"ab\\{");
  EXPECT_EQ(Escaped(u"a\U0001F600", 3), u"a");  // the pair needs 2 units, 1 is left
  EXPECT_EQ(Escaped(u"abc", 1), u"");
  EXPECT_EQ(Escaped(u"abc", 0), u"");

  // A record's field: 4095 units of text, the last unit stays the terminator.
  CellRecord record{};
  const std::u16string braces(3000, u'{');
  EXPECT_EQ(EscapeCellText(braces, record.text, 4096), 4094u);
  EXPECT_EQ(record.text[4093], u'{');
  EXPECT_EQ(record.text[4094], u'\0');
  EXPECT_EQ(record.text[4095], u'\0');
}

TEST(CCharFont, FormatsComparesAndTakesStyle) {
  CCharFont font;
  EXPECT_EQ(font.Format(), u"|0|b0|i0|u0|s0|-1");
  font.name = u"Calibri";
  font.size = 11;
  font.bold = true;
  font.underline = true;
  font.script = 2;
  font.position = 4;
  EXPECT_EQ(font.Format(), u"Calibri|11|b1|i0|u1|s2|4");

  CCharFont other = font;
  other.name = u"CALIBRI";
  other.position = 9;
  EXPECT_TRUE(font.Equals(other)) << "names ignore case, positions do not count";
  for (auto change : {+[](CCharFont& f) { f.name = u"Arial"; }, +[](CCharFont& f) { f.bold = false; },
                      +[](CCharFont& f) { f.italic = true; }, +[](CCharFont& f) { f.underline = false; },
                      +[](CCharFont& f) { f.script = 1; }, +[](CCharFont& f) { f.size = 12; }}) {
    CCharFont changed = font;
    change(changed);
    EXPECT_FALSE(font.Equals(changed));
  }

  CCharFont taker;
  taker.position = 7;
  taker.TakeStyle(font);
  EXPECT_EQ(taker.Format(), u"Calibri|11|b1|i0|u1|s2|7");
}

}  // namespace
}  // namespace vk
