#include "settings/default_colour_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vk {
namespace {

// The index colours as the picker's documentation lists them, RRGGBB, ten to a row from ACI 1.
constexpr const char* kAciColours[] = {
    "FF0000 FFFF00 00FF00 00FFFF 0000FF FF00FF FFFFFF 808080 C0C0C0",
    "FF0101 FF7F7F A50000 A55252 7F0000 7F3F3F 4C0000 4C2626 260000 261313",
    "FF3F00 FF9F7F A52900 A56752 7F1F00 7F4F3F 4C1300 4C2F26 260900 261713",
    "FF7F00 FFBF7F A55200 A57C52 7F3F00 7F5F3F 4C2600 4C3926 261300 261C13",
    "FFBF00 FFDF7F A57C00 A59152 7F5F00 7F6F3F 4C3900 4C4226 261C00 262113",
    "FFFF01 FFFF7F A5A500 A5A552 7F7F00 7F7F3F 4C4C00 4C4C26 262600 262613",
    "BFFF00 DFFF7F 7CA500 91A552 5F7F00 6F7F3F 394C00 424C26 1C2600 212613",
    "7FFF00 BFFF7F 52A500 7CA552 3F7F00 5F7F3F 264C00 394C26 132600 1C2613",
    "3FFF00 9FFF7F 29A500 67A552 1F7F00 4F7F3F 134C00 2F4C26 092600 172613",
    "01FF01 7FFF7F 00A500 52A552 007F00 3F7F3F 004C00 264C26 002600 132613",
    "00FF3F 7FFF9F 00A529 52A567 007F1F 3F7F4F 004C13 264C2F 002609 132617",
    "00FF7F 7FFFBF 00A552 52A57C 007F3F 3F7F5F 004C26 264C39 002613 13261C",
    "00FFBF 7FFFDF 00A57C 52A591 007F5F 3F7F6F 004C39 264C42 00261C 132621",
    "01FFFF 7FFFFF 00A5A5 52A5A5 007F7F 3F7F7F 004C4C 264C4C 002626 132626",
    "00BFFF 7FDFFF 007CA5 5291A5 005F7F 3F6F7F 00394C 26424C 001C26 132126",
    "007FFF 7FBFFF 0052A5 527CA5 003F7F 3F5F7F 00264C 26394C 001326 131C26",
    "003FFF 7F9FFF 0029A5 5267A5 001F7F 3F4F7F 00134C 262F4C 000926 131726",
    "0101FF 7F7FFF 0000A5 5252A5 00007F 3F3F7F 00004C 26264C 000026 131326",
    "3F00FF 9F7FFF 2900A5 6752A5 1F007F 4F3F7F 13004C 2F264C 090026 171326",
    "7F00FF BF7FFF 5200A5 7C52A5 3F007F 5F3F7F 26004C 39264C 130026 1C1326",
    "BF00FF DF7FFF 7C00A5 9152A5 5F007F 6F3F7F 39004C 42264C 1C0026 211326",
    "FF01FF FF7FFF A500A5 A552A5 7F007F 7F3F7F 4C004C 4C264C 260026 261326",
    "FF00BF FF7FDF A5007C A55291 7F005F 7F3F6F 4C0039 4C2642 26001C 261321",
    "FF007F FF7FBF A50052 A5527C 7F003F 7F3F5F 4C0026 4C2639 260013 26131C",
    "FF003F FF7F9F A50029 A55267 7F001F 7F3F4F 4C0013 4C262F 260009 261317",
    "545454 767676 989898 BABABA DCDCDC FCFCFC",
    "FFFFFF",  // ByLayer
};

TEST(DefaultColourTable, HoldsTheIndexColoursThenByLayer) {
  std::vector<ColourEntry> expected;
  const char16_t* kNamed[] = {u"Red", u"Yellow", u"Green", u"Cyan", u"Blue", u"Magenta", u"White"};
  for (const char* row : kAciColours) {
    std::istringstream in(row);
    std::string rrggbb;
    while (in >> rrggbb) {
      const uint32_t rgb = static_cast<uint32_t>(std::stoul(rrggbb, nullptr, 16));
      const size_t p = expected.size();
      std::u16string name;
      if (p < std::size(kNamed))
        name = kNamed[p];
      else if (p == 255)
        name = u"ByLayer";
      else
        for (char c : std::to_string(p + 1)) name += static_cast<char16_t>(c);
      // Windows keeps red in the low byte.
      expected.push_back({name, (rgb >> 16) | (rgb & 0xFF00) | (rgb & 0xFF) << 16});
    }
  }
  ASSERT_EQ(expected.size(), 256u);

  const auto& table = DefaultColourTable();
  ASSERT_EQ(table.size(), expected.size());
  for (size_t p = 0; p < expected.size(); ++p) EXPECT_EQ(table[p], expected[p]) << "position " << p;
}

}  // namespace
}  // namespace vk
