#pragma once
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "fake_sheet.h"

namespace vk::fake {

// A sheet's "shapes" fixture entry (tests/fixtures/README.md). Throws std::runtime_error naming
// where the fault is.
void LoadShapes(FakeSheet& sheet, const nlohmann::json& shapes, const std::string& where);
// Notes (comments) of cells, which Excel lists in Worksheet.Shapes after the drawing objects
// as shapes of type msoComment (4).
void LoadNotes(FakeSheet& sheet, const nlohmann::json& notes, const std::string& where);

}  // namespace vk::fake
