#pragma once
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

}  // namespace vk::fake::fixture
