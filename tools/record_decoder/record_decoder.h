#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Turns what the receiver gets into one JSON object per line (the format is described in
// README.md beside this file and is kept stable for scripts that read it), and into short
// readable lines for people.
namespace vk::decoder {

// {"event":"table","rows":…,"columns":…}
std::string TableStartLine(int64_t rows, int64_t columns);
// {"event":"cell",…every field of the cell record…}, or {"event":"record","size":…} for data
// that is not a cell record.
std::string RecordLine(const uint8_t* bytes, size_t size);
// {"event":"end","reason":…}
std::string EndLine(int64_t reason);
// {"event":"message","text":…,"caption":…}
std::string MessageLine(std::u16string_view text, std::u16string_view caption);
// {"event":"result","command":…,"result":…}
std::string ResultLine(std::string_view command, int64_t result);

// "$B$3  "Flow \{m3/h\}"  Calibri 11 bold  fill #FFFF00 solid  borders t:1/2 b:-4142 …": one
// cell record in a line; the size for other data.
std::string DescribeRecord(const uint8_t* bytes, size_t size);

// "#RRGGBB" of an Excel colour (red in the low byte).
std::string RgbText(int32_t colour);
// The displayed text from the record's escaped text: the backslash before a backslash or a
// brace removed.
std::u16string Unescape(std::u16string_view text);

}  // namespace vk::decoder
