#include "settings/options_archive.h"

#include <gtest/gtest.h>

#include "settings/ansi_code_page.h"

namespace vk {
namespace {

std::vector<uint8_t> Head(const std::vector<uint8_t>& bytes, size_t n) {
  return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

// Every length form of the UTF-16 string: the prefix bytes, then length x 2 bytes of text.
TEST(OptionsArchive, WritesEachStringLengthFormAndReadsItBack) {
  struct Case {
    size_t length;
    std::vector<uint8_t> prefix;
  };
  const Case cases[] = {
      {0, {0xFF, 0xFE, 0xFF, 0x00}},
      {17, {0xFF, 0xFE, 0xFF, 0x11}},
      {254, {0xFF, 0xFE, 0xFF, 0xFE}},
      {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
      {0xFFFD, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
      {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {0x12345, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    std::u16string text(c.length, u'x');
    if (!text.empty()) text.back() = u'\u65E5';
    COptionsArchive out;
    out.WriteString(text);
    ASSERT_EQ(out.Bytes().size(), c.prefix.size() + 2 * c.length);
    EXPECT_EQ(Head(out.Bytes(), c.prefix.size()), c.prefix);
    COptionsArchive in(out.Bytes());
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(OptionsArchive, ReadsTheSixtyFourBitLengthForm) {
  COptionsArchive in({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  // 64-bit form follows
                      0x02, 0, 0, 0, 0, 0, 0, 0, u'o', 0, u'k', 0});
  EXPECT_EQ(in.ReadString(), u"ok");
}

TEST(OptionsArchive, ReadsEightBitStringsThroughTheAnsiCodePage) {
  // Short form, and the 16-bit length form that is not the UTF-16 marker.
  COptionsArchive shortForm({0x04, 'C', 0x80, 0xE9, 0x81});
  EXPECT_EQ(shortForm.ReadString(), u"C\u20AC\u00E9\u0081");

  std::vector<uint8_t> longForm = {0xFF, 0x2C, 0x01};  // 300 characters
  longForm.insert(longForm.end(), 300, 'a');
  COptionsArchive in(longForm);
  EXPECT_EQ(in.ReadString(), std::u16string(300, u'a'));

  struct Upper final : AnsiCodePage {
    std::u16string ToUtf16(std::string_view text) override { return std::u16string(text.size(), u'U'); }
  } upper;
  AnsiCodePage::SetCurrent(&upper);
  COptionsArchive viaSeam({0x02, 'a', 'b'});
  EXPECT_EQ(viaSeam.ReadString(), u"UU");
  AnsiCodePage::SetCurrent(nullptr);
}

TEST(OptionsArchive, NumbersAreLittleEndian) {
  COptionsArchive out;
  out.WriteInt32(-2);
  out.WriteDouble(1.5);
  EXPECT_EQ(out.Bytes(), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
  COptionsArchive in(out.Bytes());
  EXPECT_EQ(in.ReadInt32(), -2);
  EXPECT_EQ(in.ReadDouble(), 1.5);
}

// A file that ends inside a field, or whose length prefix promises more than the file holds,
// is a read error and never a read past the bytes or a giant allocation.
TEST(OptionsArchive, ShortDataIsAReadError) {
  const std::vector<std::vector<uint8_t>> strings = {
      {},
      {0xFF},
      {0xFF, 0xFE},
      {0xFF, 0xFE, 0xFF},
      {0xFF, 0xFE, 0xFF, 0x02, 'a', 0},
      {0x03, 'a', 'b'},
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
  };
  for (const auto& bytes : strings) {
    COptionsArchive in(bytes);
    EXPECT_THROW(in.ReadString(), OptionsFileReadError) << bytes.size();
  }
  COptionsArchive ints({1, 2, 3});
  EXPECT_THROW(ints.ReadInt32(), OptionsFileReadError);
  COptionsArchive doubles({1, 2, 3, 4, 5, 6, 7});
  EXPECT_THROW(doubles.ReadDouble(), OptionsFileReadError);
}

}  // namespace
}  // namespace vk
