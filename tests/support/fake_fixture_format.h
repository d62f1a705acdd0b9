#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "fake_sheet.h"

namespace vk::fake {

// Whether a key of a cell object describes the cell's formats (rather than its value).
bool IsCellFormatKey(std::string_view key);
// Reads the format keys of a cell object into the cell (created if blank); "rich" also gives
// the cell its text value when the object has none. Throws std::runtime_error naming `where`.
void LoadCellFormat(FakeSheet& sheet, int32_t row, int32_t column, const nlohmann::json& cell,
                    const std::string& where);

// The font, fill and border-line objects on their own, for the formats of conditional formats.
FakeFontFace LoadFontFace(const nlohmann::json& data, const std::string& where);
FakeFill LoadFill(const nlohmann::json& data, const std::string& where);
FakeBorderLine LoadBorderLine(const nlohmann::json& data, const std::string& where);

// The sheet keys about formats: "merged" and "printGridlines".
bool IsSheetFormatKey(std::string_view key);
void LoadSheetFormat(FakeSheet& sheet, const nlohmann::json& data, const std::string& where);

}  // namespace vk::fake
