#include "settings/default_colour_table.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

TEST(DefaultColourTable, HoldsTheIndexColoursThenByLayer) {
  const auto& table = DefaultColourTable();
  ASSERT_EQ(table.size(), 256u);
  struct Case {
    size_t position;
    const char16_t* name;
    uint32_t colour;  // as Windows keeps it: 0x00BBGGRR
  } cases[] = {
      {0, u"Red", 0x0000FF},       {1, u"Yellow", 0x00FFFF},  {4, u"Blue", 0xFF0000},
      {6, u"White", 0xFFFFFF},     {7, u"8", 0x808080},       {9, u"10", 0x0101FF},
      {10, u"11", 0x7F7FFF},       {20, u"21", 0x7F9FFF},     {49, u"50", 0x01FFFF},
      {133, u"134", 0x7F7F00},     {169, u"170", 0xFF0101},   {218, u"219", 0x261326},
      {248, u"249", 0x171326},     {249, u"250", 0x545454},   {254, u"255", 0xFCFCFC},
      {255, u"ByLayer", 0xFFFFFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    EXPECT_EQ(table[c.position].name, c.name);
    EXPECT_EQ(table[c.position].colour, c.colour);
  }
}

}  // namespace
}  // namespace vk
