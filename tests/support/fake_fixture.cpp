#include "fake_fixture.h"

#include <cmath>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "fixture_json.h"
#include "a1_text.h"
#include "fake_fixture_conditions.h"
#include "fake_fixture_shapes.h"
#include "fake_fixture_format.h"
#include "utf_text.h"

namespace vk::fake {
namespace {

using nlohmann::json;

using fixture::Fail;
using fixture::OnlyKeys;
using fixture::Text;

double Points(const json& value, const std::string& where) {
  if (!value.is_number() || value.get<double>() < 0) Fail(where + ": expected a size in points");
  return value.get<double>();
}

CellArea OneArea(const std::u16string& text, const std::string& where) {
  const auto parsed = ParseReference(text);
  if (!parsed || parsed->areas.size() != 1 || !parsed->sheet.empty()) {
    Fail(where + ": bad reference \"" + Utf8(text) + "\"");
  }
  return parsed->areas.front();
}

// Cell error names and their numbers (CVErr); on the wire VT_ERROR with 0x800A0000 + number (ck).
int32_t ErrorNumber(const std::string& name, const std::string& where) {
  static const std::pair<const char*, int32_t> errors[] = {
      {"#NULL!", 2000}, {"#DIV/0!", 2007}, {"#VALUE!", 2015}, {"#REF!", 2023},
      {"#NAME?", 2029}, {"#NUM!", 2036},   {"#N/A", 2042}};
  for (const auto& [text, number] : errors) {
    if (name == text) return number;
  }
  Fail(where + ": unknown cell error \"" + name + "\"");
}

Variant CellValue(const json& value, const std::string& where) {
  if (value.is_null()) return {};
  if (value.is_boolean()) return Variant::Bool(value.get<bool>());
  if (value.is_number()) return Variant::R8(value.get<double>());
  if (value.is_string()) {
    // Excel holds no empty text constant: "" is a blank cell.
    std::u16string text = Utf16(value.get<std::string>());
    return text.empty() ? Variant() : Variant::String(std::move(text));
  }
  // Besides at most one value key, the object may carry the cell's formats (fake_fixture_format.h).
  size_t valueKeys = 0;
  for (const auto& item : value.items()) {
    const std::string& key = item.key();
    if (key == "value" || key == "error" || key == "date" || key == "currency") ++valueKeys;
    else if (!IsCellFormatKey(key)) Fail(where + ": unknown key \"" + key + "\"");
  }
  if (valueKeys > 1) Fail(where + ": give at most one of value, error, date, currency");
  if (valueKeys == 0) return {};
  if (value.contains("error")) {
    const int32_t number = ErrorNumber(value["error"].get<std::string>(), where);
    return Variant::Error(static_cast<int32_t>(0x800A0000u + static_cast<uint32_t>(number)));
  }
  if (value.contains("date")) {
    if (!value["date"].is_number()) Fail(where + ": date is a serial number");
    return Variant::Date(value["date"].get<double>());
  }
  if (value.contains("currency")) {
    if (!value["currency"].is_number()) Fail(where + ": currency is a number");
    return Variant::Currency(std::llround(value["currency"].get<double>() * 10000.0));
  }
  return CellValue(value["value"], where);
}

void SetCell(FakeSheet& sheet, int32_t row, int32_t column, const json& value, const std::string& where) {
  sheet.SetValue(row, column, CellValue(value, where));
  if (value.is_object()) LoadCellFormat(sheet, row, column, value, where);
}

// "A": 20 or "C:E": 54 for columns; "3": 18 or "3:5": 18 for rows.
std::pair<int32_t, int32_t> Span(const std::string& key, bool columns, const std::string& where) {
  const std::u16string text = Utf16(key);
  const size_t colon = text.find(u':');
  auto one = [&](std::u16string_view part) -> int32_t {
    if (columns) return ColumnNumber(part);
    if (part.empty() || part.size() > 7) return 0;
    int32_t value = 0;
    for (char16_t c : part) {
      if (c < u'0' || c > u'9') return 0;
      value = value * 10 + (c - u'0');
    }
    return value >= 1 && value <= kMaxRow ? value : 0;
  };
  const int32_t first = one(std::u16string_view(text).substr(0, colon));
  const int32_t last = colon == std::u16string::npos ? first : one(std::u16string_view(text).substr(colon + 1));
  if (first == 0 || last < first) Fail(where + ": bad " + (columns ? "column" : "row") + " \"" + key + "\"");
  return {first, last};
}

std::string SpanKey(const json& item, const std::string& where) {
  if (item.is_string()) return item.get<std::string>();
  if (item.is_number_integer()) return std::to_string(item.get<int64_t>());
  Fail(where + ": expected a row number or a column letter");
}

void LoadSheet(FakeSheet& sheet, const json& data, const std::string& where) {
  OnlyKeys(data, {"name", "standardWidth", "standardHeight", "columnWidths", "rowHeights",
                  "hiddenColumns", "hiddenRows", "usedRange", "printArea", "cells", "blocks",
                  "merged", "printGridlines", "conditionalFormats", "shapes", "visible", "notes"},
           where);
  LoadSheetFormat(sheet, data, where);
  if (data.contains("standardWidth")) sheet.standardWidth = Points(data["standardWidth"], where + ".standardWidth");
  if (data.contains("standardHeight")) sheet.standardHeight = Points(data["standardHeight"], where + ".standardHeight");
  if (data.contains("columnWidths")) {
    for (const auto& item : data["columnWidths"].items()) {
      const auto [first, last] = Span(item.key(), true, where + ".columnWidths");
      for (int32_t c = first; c <= last; ++c) sheet.SetColumnWidth(c, Points(item.value(), where + ".columnWidths"));
    }
  }
  if (data.contains("rowHeights")) {
    for (const auto& item : data["rowHeights"].items()) {
      const auto [first, last] = Span(item.key(), false, where + ".rowHeights");
      for (int32_t r = first; r <= last; ++r) sheet.SetRowHeight(r, Points(item.value(), where + ".rowHeights"));
    }
  }
  if (data.contains("hiddenColumns")) {
    for (const auto& item : data["hiddenColumns"]) {
      const auto [first, last] = Span(SpanKey(item, where), true, where + ".hiddenColumns");
      for (int32_t c = first; c <= last; ++c) sheet.HideColumn(c);
    }
  }
  if (data.contains("hiddenRows")) {
    for (const auto& item : data["hiddenRows"]) {
      const auto [first, last] = Span(SpanKey(item, where), false, where + ".hiddenRows");
      for (int32_t r = first; r <= last; ++r) sheet.HideRow(r);
    }
  }
  if (data.contains("usedRange")) {
    sheet.formattedArea = OneArea(Text(data["usedRange"], where + ".usedRange"), where + ".usedRange");
  }
  if (data.contains("printArea")) {
    const std::u16string text = Text(data["printArea"], where + ".printArea");
    const auto parsed = ParseReference(text);
    if (!parsed || !parsed->sheet.empty()) Fail(where + ".printArea: bad reference");
    for (const CellArea& area : parsed->areas) {
      if (!sheet.printArea.empty()) sheet.printArea += u",";
      sheet.printArea += FormatA1(area);  // Excel reports the absolute form
    }
  }
  if (data.contains("cells")) {
    for (const auto& item : data["cells"].items()) {
      const std::string at = where + ".cells." + item.key();
      const CellArea area = OneArea(Utf16(item.key()), at);
      if (area.Cells() != 1) Fail(at + ": one cell per key");
      SetCell(sheet, area.row1, area.column1, item.value(), at);
    }
  }
  if (data.contains("visible")) {
    const json& visible = data["visible"];
    if (visible.is_boolean()) sheet.visible = visible.get<bool>() ? -1 : 0;
    else if (visible == "veryHidden") sheet.visible = 2;
    else Fail(where + ".visible: expected true, false or \"veryHidden\"");
  }
  if (data.contains("shapes")) LoadShapes(sheet, data["shapes"], where + ".shapes");
  if (data.contains("notes")) LoadNotes(sheet, data["notes"], where + ".notes");
  if (data.contains("conditionalFormats")) {
    LoadConditionalFormats(sheet, data["conditionalFormats"], where + ".conditionalFormats");
  }
  if (data.contains("blocks")) {
    for (const auto& block : data["blocks"]) {
      OnlyKeys(block, {"at", "rows"}, where + ".blocks");
      const CellArea at = OneArea(Text(block.at("at"), where + ".blocks.at"), where + ".blocks.at");
      int32_t row = at.row1;
      for (const auto& cells : block.at("rows")) {
        if (!cells.is_array()) Fail(where + ".blocks.rows: each row is an array");
        int32_t column = at.column1;
        for (const auto& value : cells) {
          if (row > kMaxRow || column > kMaxColumn) Fail(where + ".blocks: block leaves the sheet");
          SetCell(sheet, row, column, value, where + ".blocks");
          ++column;
        }
        ++row;
      }
    }
  }
}

FakeBook Load(const json& root) {
  OnlyKeys(root, {"workbook", "path", "version", "activeSheet", "selection", "activeCell", "names", "sheets", "zoom",
                  "standardFont"},
           "fixture");
  FakeBook book;
  if (root.contains("workbook")) book.name = Text(root["workbook"], "workbook");
  if (root.contains("path")) book.path = Text(root["path"], "path");
  if (root.contains("version")) book.version = Text(root["version"], "version");
  if (root.contains("standardFont")) {
    OnlyKeys(root["standardFont"], {"name", "size"}, "standardFont");
    book.standardFont = LoadFontFace(root["standardFont"], "standardFont").Over(FakeFontFace::Standard());
  }
  if (root.contains("zoom")) {
    if (!root["zoom"].is_number()) Fail("zoom: expected a percentage");
    book.zoom = root["zoom"].get<double>();
  }
  if (!root.contains("sheets") || !root["sheets"].is_array() || root["sheets"].empty()) {
    Fail("fixture: \"sheets\" must list at least one sheet");
  }
  for (const auto& data : root["sheets"]) {
    const std::u16string name = Text(data.contains("name") ? data["name"] : json(), "sheets.name");
    const std::string where = "sheets." + Utf8(name);
    FakeSheet* sheet = nullptr;
    try {
      sheet = &book.AddSheet(name);
    } catch (const std::invalid_argument& e) {
      Fail(where + ": " + e.what());
    }
    LoadSheet(*sheet, data, where);
  }
  // A hidden sheet is never the active one: by default the first visible sheet is.
  book.activeSheet = -1;
  for (size_t i = 0; i < book.sheets.size() && book.activeSheet < 0; ++i) {
    if (book.sheets[i].visible == -1) book.activeSheet = static_cast<int>(i);
  }
  if (book.activeSheet < 0) Fail("sheets: at least one sheet must be visible");
  if (root.contains("activeSheet")) {
    const json& active = root["activeSheet"];
    if (active.is_null()) {
      book.activeSheet = -1;
    } else {
      const FakeSheet* sheet = book.FindSheet(Text(active, "activeSheet"));
      if (!sheet) Fail("activeSheet: no such sheet");
      if (sheet->visible != -1) Fail("activeSheet: a hidden sheet cannot be active");
      for (size_t i = 0; i < book.sheets.size(); ++i) {
        if (&book.sheets[i] == sheet) book.activeSheet = static_cast<int>(i);
      }
    }
  }
  if (root.contains("names")) {
    for (const auto& item : root["names"].items()) {
      try {
        book.AddName(Utf16(item.key()), Text(item.value(), "names." + item.key()));
      } catch (const std::invalid_argument& e) {
        Fail(std::string("names: ") + e.what());
      }
    }
  }
  if (root.contains("selection")) {
    const json& selection = root["selection"];
    try {
      if (selection.is_null()) {
        book.selection.kind = FakeBook::Selection::Kind::Nothing;
        book.selection.areas.clear();
      } else if (selection.is_object()) {
        OnlyKeys(selection, {"shape"}, "selection");
        book.SelectShape(Text(selection.at("shape"), "selection.shape"));
      } else {
        book.Select(Text(selection, "selection"));
      }
    } catch (const std::invalid_argument& e) {
      Fail(std::string("selection: ") + e.what());
    }
  }
  if (root.contains("activeCell")) {
    // The active cell lies inside the selected cells, as in Excel.
    const CellArea cell = OneArea(Text(root["activeCell"], "activeCell"), "activeCell");
    bool inside = book.selection.kind != FakeBook::Selection::Kind::Cells;
    for (const CellArea& area : book.selection.areas) inside = inside || area.Contains(cell.row1, cell.column1);
    if (cell.Cells() != 1 || !inside) Fail("activeCell: one cell inside the selection");
    book.activeRow = cell.row1;
    book.activeColumn = cell.column1;
  }
  return book;
}

}  // namespace

FakeBook LoadFixture(std::string_view text) {
  json root;
  try {
    root = json::parse(text);
  } catch (const json::exception& e) {
    Fail(std::string("fixture is not valid JSON: ") + e.what());
  }
  try {
    return Load(root);
  } catch (const json::exception& e) {
    Fail(std::string("fixture: ") + e.what());
  }
}

// Defined for this file alone: a path in a definition of every file would make each of them
// compile anew in every clone of the sources (the compiler cache hashes definitions as written).
std::string FixturesDir() { return VK_FIXTURES_DIR; }

namespace {

std::string FixturePath(const std::string& fileName) {
  const bool absolute = !fileName.empty() && (fileName[0] == '/' || fileName[0] == '\\' ||
                                              (fileName.size() > 1 && fileName[1] == ':'));
  return absolute ? fileName : FixturesDir() + "/" + fileName;
}

}  // namespace

std::string ReadFixtureText(const std::string& fileName) {
  const std::string path = FixturePath(fileName);
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("cannot open fixture " + path);
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) Fail("cannot read fixture " + path);
  return content.str();
}

FakeBook LoadFixtureFile(const std::string& fileName) {
  const std::string text = ReadFixtureText(fileName);
  try {
    return LoadFixture(text);
  } catch (const std::runtime_error& e) {
    Fail(FixturePath(fileName) + ": " + e.what());
  }
}

}  // namespace vk::fake
