#pragma once
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

// What every part of the fixture reader shares: a fault names where in the file it is, and an
// object may hold only the keys its part knows, so a misspelt key never passes unnoticed.
namespace vk::fake::fixture {

[[noreturn]] inline void Fail(const std::string& what) { throw std::runtime_error(what); }

inline void OnlyKeys(const nlohmann::json& object, std::initializer_list<std::string_view> allowed,
                     const std::string& where) {
  if (!object.is_object()) Fail(where + ": expected an object");
  for (const auto& item : object.items()) {
    bool known = false;
    for (std::string_view key : allowed) known = known || item.key() == key;
    if (!known) Fail(where + ": unknown key \"" + item.key() + "\"");
  }
}

// The value kinds every part reads; each fails naming where the value is.
int32_t Integer(const nlohmann::json& value, const std::string& where);  // an Excel or Office constant
bool Flag(const nlohmann::json& value, const std::string& where);
std::u16string Text(const nlohmann::json& value, const std::string& where);
// "#RRGGBB" as people write colours, or Excel's own number (red in the low byte).
int32_t Colour(const nlohmann::json& value, const std::string& where);

}  // namespace vk::fake::fixture
