#pragma once
#include <array>
#include <cstdint>

namespace vk {

// One entry of the Scale page's two scale lists: 1 drawing unit for excelPoints Excel points.
struct ScaleListEntry {
  const char16_t* name;
  double excelPoints;  // 0 for "Custom", which fills nothing
};

inline constexpr std::array<ScaleListEntry, 32> kScaleList = {{
    {u"Custom", 0},
    {u"1:1", 1},
    {u"1:2", 2},
    {u"1:4", 4},
    {u"1:8", 8},
    {u"1:10", 10},
    {u"1:16", 16},
    {u"1:20", 20},
    {u"1:30", 30},
    {u"1:40", 40},
    {u"1:50", 50},
    {u"1:100", 100},
    {u"2:1", 0.5},
    {u"4:1", 0.25},
    {u"8:1", 0.125},
    {u"10:1", 0.1},
    {u"100:1", 0.01},
    {u"1/128\" = 1'0\"", 1536},
    {u"1/64\" = 1'0\"", 768},
    {u"1/32\" = 1'0\"", 384},
    {u"1/16\" = 1'0\"", 192},
    {u"3/32\" = 1'0\"", 128},
    {u"1/8\" = 1'0\"", 96},
    {u"3/16\" = 1'0\"", 64},
    {u"1/4\" = 1'0\"", 48},
    {u"3/8\" = 1'0\"", 32},
    {u"1/2\" = 1'0\"", 24},
    {u"3/4\" = 1'0\"", 16},
    {u"1\" = 1'0\"", 12},
    {u"3\" = 1'0\"", 4},
    {u"6\" = 1'0\"", 2},
    {u"1'0\" = 1'0\"", 1},
}};

inline constexpr int32_t kScaleListCount = static_cast<int32_t>(kScaleList.size());

}  // namespace vk
