#include "fake_fixture_conditions.h"

#include <stdexcept>
#include <string_view>

#include <nlohmann/json.hpp>

#include "fixture_json.h"
#include "a1_text.h"
#include "fake_fixture_format.h"
#include "utf_text.h"

namespace vk::fake {
namespace {

using nlohmann::json;

using fixture::Fail;

// A name from a table, or the number itself.
int32_t Enumerated(const json& value, std::initializer_list<std::pair<std::string_view, int32_t>> names,
                   const std::string& where) {
  if (value.is_number_integer()) return value.get<int32_t>();
  if (value.is_string()) {
    for (const auto& [name, number] : names) {
      if (value.get<std::string>() == name) return number;
    }
  }
  Fail(where + ": unknown value " + value.dump());
}

std::u16string Formula(const json& rule, const char* key, const std::string& where) {
  if (!rule.contains(key) || !rule[key].is_string()) Fail(where + ": \"" + key + "\" is required text");
  return Utf16(rule[key].get<std::string>());
}

}  // namespace

void LoadConditionalFormats(FakeSheet& sheet, const json& rules, const std::string& where) {
  if (!rules.is_array()) Fail(where + ": expected an array of rules in priority order");
  for (const json& item : rules) {
    const std::string at = where + "[" + std::to_string(sheet.conditions.size()) + "]";
    if (!item.is_object()) Fail(at + ": expected an object");
    for (const auto& entry : item.items()) {
      static constexpr std::string_view known[] = {"appliesTo", "type", "operator", "formula1",
                                                   "formula2", "stopIfTrue", "font", "fill", "borders"};
      bool ok = false;
      for (std::string_view key : known) ok = ok || entry.key() == key;
      if (!ok) Fail(at + ": unknown key \"" + entry.key() + "\"");
    }
    FakeConditionRule rule;
    if (!item.contains("appliesTo") || !item["appliesTo"].is_string()) Fail(at + ": \"appliesTo\" is required text");
    const auto parsed = ParseReference(Utf16(item["appliesTo"].get<std::string>()));
    if (!parsed || !parsed->sheet.empty()) Fail(at + ".appliesTo: bad reference");
    rule.appliesTo = parsed->areas;
    if (!item.contains("type")) Fail(at + ": \"type\" is required");
    rule.type = Enumerated(item["type"],
                           {{"cellValue", kXlCellValue}, {"expression", kXlExpression},
                            {"colorScale", kXlColorScale}, {"dataBar", kXlDatabar}, {"iconSet", kXlIconSet},
                            {"text", kXlTextString}, {"blanks", kXlBlanksCondition},
                            {"noBlanks", kXlNoBlanksCondition}},
                           at + ".type");
    if (rule.type == kXlCellValue) {
      if (!item.contains("operator")) Fail(at + ": a cell-value rule needs \"operator\"");
      rule.op = Enumerated(item["operator"],
                           {{"between", 1}, {"notBetween", 2}, {"equal", 3}, {"notEqual", 4}, {"greater", 5},
                            {"less", 6}, {"greaterEqual", 7}, {"lessEqual", 8}},
                           at + ".operator");
      if (rule.op == 1 || rule.op == 2) rule.formula2 = Formula(item, "formula2", at);
    }
    if (rule.IsFormatCondition()) rule.formula1 = Formula(item, "formula1", at);
    if (item.contains("stopIfTrue")) {
      if (!item["stopIfTrue"].is_boolean()) Fail(at + ".stopIfTrue: expected true or false");
      rule.stopIfTrue = item["stopIfTrue"].get<bool>();
    }
    if (item.contains("font")) rule.font = LoadFontFace(item["font"], at + ".font");
    if (item.contains("fill")) rule.fill = LoadFill(item["fill"], at + ".fill");
    if (item.contains("borders")) {
      static const std::pair<const char*, int32_t> edges[] = {{"left", kXlConditionLeft},
                                                              {"top", kXlConditionTop},
                                                              {"right", kXlConditionRight},
                                                              {"bottom", kXlConditionBottom}};
      const json& borders = item["borders"];
      if (!borders.is_object()) Fail(at + ".borders: expected an object");
      for (const auto& entry : borders.items()) {
        bool known = false;
        for (const auto& [name, index] : edges) {
          if (entry.key() != name) continue;
          rule.borders[index] = LoadBorderLine(entry.value(), at + ".borders." + name);
          known = true;
        }
        if (!known) Fail(at + ".borders: unknown edge \"" + entry.key() + "\" (a condition has no diagonals)");
      }
    }
    sheet.conditions.push_back(std::move(rule));
  }
}

}  // namespace vk::fake
