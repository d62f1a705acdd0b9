#pragma once
#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace vk::draw {

// One message as the receiver window gets it.
struct LinkMessage {
  enum class Kind { TableStart, Record, End } kind = Kind::Record;
  int64_t wParam = 0;
  int64_t lParam = 0;
  std::vector<uint8_t> data;  // a record's bytes
};

// The runner's JSON lines (tools/record_decoder/README.md) as the messages they describe: a
// "cell" or "shape" line becomes its record again. Lines of other events are passed over; a line
// that is not JSON is reported through log and skipped.
void ReadJsonLines(std::istream& in, const std::function<void(const LinkMessage&)>& sink,
                   const std::function<void(const std::string&)>& log);

}  // namespace vk::draw
