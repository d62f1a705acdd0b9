#include "fake_fixture_format.h"

#include <stdexcept>

#include "fixture_json.h"
#include "a1_text.h"
#include "utf_text.h"

namespace vk::fake {
namespace {

using nlohmann::json;

using fixture::Colour;
using fixture::Fail;
using fixture::Flag;
using fixture::Integer;
using fixture::OnlyKeys;

// Font keys of a "font" object or of one "rich" run.
void LoadFontKey(FakeFontFace& face, const std::string& key, const json& value, const std::string& where) {
  const std::string at = where + "." + key;
  if (key == "name") {
    if (!value.is_string()) Fail(at + ": expected a string");
    face.name = Utf16(value.get<std::string>());
  } else if (key == "size") {
    if (!value.is_number() || value.get<double>() <= 0) Fail(at + ": expected a size in points");
    face.size = value.get<double>();
  } else if (key == "bold") {
    face.bold = Flag(value, at);
  } else if (key == "italic") {
    face.italic = Flag(value, at);
  } else if (key == "underline") {
    face.underline = Integer(value, at);
  } else if (key == "strikethrough") {
    face.strikethrough = Flag(value, at);
  } else if (key == "superscript") {
    face.superscript = Flag(value, at);
  } else if (key == "subscript") {
    face.subscript = Flag(value, at);
  } else if (key == "color") {
    face.color = Colour(value, at);
  } else {
    Fail(where + ": unknown key \"" + key + "\"");
  }
}

FakeFontFace Font(const json& data, const std::string& where) {
  if (!data.is_object()) Fail(where + ": expected an object");
  FakeFontFace face;
  for (const auto& item : data.items()) LoadFontKey(face, item.key(), item.value(), where);
  return face;
}

FakeFill Fill(const json& data, const std::string& where) {
  OnlyKeys(data, {"color", "colorIndex", "pattern", "patternColorIndex"}, where);
  FakeFill fill;
  if (data.contains("color")) fill.color = Colour(data["color"], where + ".color");
  if (data.contains("colorIndex")) fill.colorIndex = Integer(data["colorIndex"], where + ".colorIndex");
  if (data.contains("pattern")) fill.pattern = Integer(data["pattern"], where + ".pattern");
  if (data.contains("patternColorIndex")) {
    fill.patternColorIndex = Integer(data["patternColorIndex"], where + ".patternColorIndex");
  }
  return fill;
}

FakeBorderLine Line(const json& data, const std::string& where) {
  OnlyKeys(data, {"lineStyle", "weight", "color"}, where);
  FakeBorderLine line;
  if (data.contains("lineStyle")) line.lineStyle = Integer(data["lineStyle"], where + ".lineStyle");
  if (data.contains("weight")) line.weight = Integer(data["weight"], where + ".weight");
  if (data.contains("color")) line.color = Colour(data["color"], where + ".color");
  return line;
}

void Borders(std::map<int32_t, FakeBorderLine>& lines, const json& data, const std::string& where) {
  static const std::pair<const char*, int32_t> names[] = {
      {"left", kXlEdgeLeft},        {"top", kXlEdgeTop},          {"bottom", kXlEdgeBottom},
      {"right", kXlEdgeRight},      {"diagonalDown", kXlDiagonalDown}, {"diagonalUp", kXlDiagonalUp}};
  if (!data.is_object()) Fail(where + ": expected an object");
  for (const auto& item : data.items()) {
    bool known = false;
    for (const auto& [name, index] : names) {
      if (item.key() != name) continue;
      lines[index] = Line(item.value(), where + "." + name);
      known = true;
    }
    if (!known) Fail(where + ": unknown key \"" + item.key() + "\"");
  }
}

constexpr std::string_view kCellFormatKeys[] = {"text",   "font",        "rich",   "fill",   "borders",
                                                "align",  "valign",      "orientation", "indent", "wrap",
                                                "formula", "numberFormat"};

}  // namespace

bool IsCellFormatKey(std::string_view key) {
  for (std::string_view known : kCellFormatKeys) {
    if (key == known) return true;
  }
  return false;
}

void LoadCellFormat(FakeSheet& sheet, int32_t row, int32_t column, const json& cell, const std::string& where) {
  bool any = false;
  for (const auto& item : cell.items()) any = any || IsCellFormatKey(item.key());
  if (!any) return;
  FakeCell& target = sheet.Cell(row, column);
  FakeCellFormat& format = target.format;
  if (cell.contains("font")) format.font = Font(cell["font"], where + ".font");
  if (cell.contains("rich")) {
    // Runs of text, each with the font keys it changes over the cell's font.
    const json& runs = cell["rich"];
    if (!runs.is_array() || runs.empty()) Fail(where + ".rich: expected an array of runs");
    std::u16string text;
    for (const json& run : runs) {
      if (!run.is_object() || !run.contains("text") || !run["text"].is_string()) {
        Fail(where + ".rich: each run is an object with a \"text\"");
      }
      const std::u16string part = Utf16(run["text"].get<std::string>());
      FakeFontFace face;
      for (const auto& item : run.items()) {
        if (item.key() != "text") LoadFontKey(face, item.key(), item.value(), where + ".rich");
      }
      text += part;
      format.characters.insert(format.characters.end(), part.size(), face);
    }
    if (target.value.IsEmpty()) target.value = Variant::String(text);
    if (target.value.IsString() && target.value.StringValue() != text) {
      Fail(where + ": the value differs from the rich text");
    }
  }
  if (cell.contains("fill")) format.fill = Fill(cell["fill"], where + ".fill");
  if (cell.contains("borders")) Borders(format.borders, cell["borders"], where + ".borders");
  if (cell.contains("align")) format.horizontalAlignment = Integer(cell["align"], where + ".align");
  if (cell.contains("valign")) format.verticalAlignment = Integer(cell["valign"], where + ".valign");
  if (cell.contains("orientation")) format.orientation = Integer(cell["orientation"], where + ".orientation");
  if (cell.contains("indent")) format.indentLevel = Integer(cell["indent"], where + ".indent");
  if (cell.contains("wrap")) format.wrapText = Flag(cell["wrap"], where + ".wrap");
  if (cell.contains("text")) {
    if (!cell["text"].is_string()) Fail(where + ".text: expected a string");
    format.text = Utf16(cell["text"].get<std::string>());
  }
  if (cell.contains("formula")) {
    if (!cell["formula"].is_string() || cell["formula"].get<std::string>().rfind('=', 0) != 0) {
      Fail(where + ".formula: expected a formula starting with \"=\"");
    }
    format.formula = Utf16(cell["formula"].get<std::string>());
  }
  if (cell.contains("numberFormat")) {
    if (!cell["numberFormat"].is_string()) Fail(where + ".numberFormat: expected a string");
    format.numberFormat = Utf16(cell["numberFormat"].get<std::string>());
  }
}

bool IsSheetFormatKey(std::string_view key) { return key == "merged" || key == "printGridlines"; }

void LoadSheetFormat(FakeSheet& sheet, const json& data, const std::string& where) {
  if (data.contains("printGridlines")) sheet.printGridlines = Flag(data["printGridlines"], where + ".printGridlines");
  if (!data.contains("merged")) return;
  if (!data["merged"].is_array()) Fail(where + ".merged: expected an array of areas");
  for (const json& item : data["merged"]) {
    const std::string at = where + ".merged";
    if (!item.is_string()) Fail(at + ": expected an area such as \"B2:C3\"");
    const auto parsed = ParseReference(Utf16(item.get<std::string>()));
    if (!parsed || parsed->areas.size() != 1 || parsed->areas.front().Cells() < 2) {
      Fail(at + ": bad area \"" + item.get<std::string>() + "\"");
    }
    const CellArea area = parsed->areas.front();
    for (const CellArea& other : sheet.mergedAreas) {
      const bool apart = area.row2 < other.row1 || other.row2 < area.row1 || area.column2 < other.column1 ||
                         other.column2 < area.column1;
      if (!apart) Fail(at + ": merged areas overlap");
    }
    sheet.mergedAreas.push_back(area);
  }
}

FakeFontFace LoadFontFace(const json& data, const std::string& where) { return Font(data, where); }
FakeFill LoadFill(const json& data, const std::string& where) { return Fill(data, where); }
FakeBorderLine LoadBorderLine(const json& data, const std::string& where) { return Line(data, where); }

}  // namespace vk::fake
