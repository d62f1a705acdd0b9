#pragma once
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "fake_sheet.h"

namespace vk::fake {

// A sheet's "conditionalFormats" fixture entry into its rules (tests/fixtures/README.md).
// Throws std::runtime_error naming where the fault is.
void LoadConditionalFormats(FakeSheet& sheet, const nlohmann::json& rules, const std::string& where);

}  // namespace vk::fake
