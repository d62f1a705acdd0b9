#include "fixture_json.h"

#include "utf_text.h"

namespace vk::fake::fixture {

using nlohmann::json;

int32_t Integer(const json& value, const std::string& where) {
  if (!value.is_number_integer()) Fail(where + ": expected an integer (an Excel or Office constant)");
  return value.get<int32_t>();
}

bool Flag(const json& value, const std::string& where) {
  if (!value.is_boolean()) Fail(where + ": expected true or false");
  return value.get<bool>();
}

std::u16string Text(const json& value, const std::string& where) {
  if (!value.is_string()) Fail(where + ": expected a string");
  return Utf16(value.get<std::string>());
}

int32_t Colour(const json& value, const std::string& where) {
  if (value.is_number_integer()) return value.get<int32_t>();
  if (value.is_string()) {
    const std::string text = value.get<std::string>();
    if (text.size() == 7 && text[0] == '#' &&
        text.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos) {
      const unsigned long rgb = std::stoul(text.substr(1), nullptr, 16);
      return static_cast<int32_t>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
    }
  }
  Fail(where + ": expected a colour \"#RRGGBB\" or a number");
}

}  // namespace vk::fake::fixture
