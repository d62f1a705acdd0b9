#pragma once
#include <string>

#include <nlohmann/json.hpp>

#include "fake_shape_text.h"

namespace vk::fake {

// A shape's "text" key (tests/fixtures/README.md, "Shapes: text"): a string, one paragraph per
// line feed, or an object with the paragraphs and their formats. Throws std::runtime_error
// naming `where`.
FakeShapeText LoadShapeText(const nlohmann::json& data, const std::string& where);

}  // namespace vk::fake
