#include "message_source.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <nlohmann/json.hpp>

#include "link/cell_record.h"
#include "link/shape_record.h"
#include "text/utf8_text.h"

namespace vk::draw {

namespace {

using nlohmann::json;

template <typename T>
void Get(const json& j, const char* name, T& field) {
  auto it = j.find(name);
  if (it == j.end()) return;
  if constexpr (std::is_floating_point_v<T>) {
    if (it->is_number()) field = it->get<T>();
  } else {
    if (it->is_number_integer()) field = static_cast<T>(it->get<int64_t>());
  }
}

template <size_t N>
void GetText(const json& j, const char* name, char16_t (&field)[N]) {
  auto it = j.find(name);
  if (it != j.end() && it->is_string()) SetField(field, FromUtf8(it->get<std::string>()));
}

// An edge or a diagonal: the diagonal has no fromCondition.
template <typename Style>
void GetEdge(const json& j, const char* name, Style& edge) {
  auto it = j.find(name);
  if (it == j.end() || !it->is_object()) return;
  Get(*it, "lineStyle", edge.lineStyle);
  Get(*it, "weight", edge.weight);
  Get(*it, "color", edge.color);
  if constexpr (std::is_same_v<Style, EdgeStyle>) Get(*it, "fromCondition", edge.fromCondition);
}

std::vector<uint8_t> CellBytes(const json& j) {
  auto r = std::make_unique<CellRecord>();
  std::memset(r.get(), 0, sizeof(CellRecord));
  r->size = kCellRecordSize;
  Get(j, "size", r->size);
  Get(j, "left", r->left); Get(j, "top", r->top); Get(j, "width", r->width); Get(j, "height", r->height);
  Get(j, "mergeWidth", r->mergeWidth); Get(j, "mergeHeight", r->mergeHeight); Get(j, "fontSize", r->fontSize);
  Get(j, "orientation", r->orientation); Get(j, "indentLevel", r->indentLevel);
  Get(j, "horizontalAlignment", r->horizontalAlignment); Get(j, "verticalAlignment", r->verticalAlignment);
  Get(j, "fillColor", r->fillColor); Get(j, "fillColorIndex", r->fillColorIndex); Get(j, "fillPattern", r->fillPattern);
  Get(j, "patternColor", r->patternColor); Get(j, "underline", r->underline); Get(j, "fontColor", r->fontColor);
  Get(j, "wrapText", r->wrapText); Get(j, "bold", r->bold); Get(j, "italic", r->italic);
  Get(j, "strikethrough", r->strikethrough); Get(j, "superscript", r->superscript); Get(j, "subscript", r->subscript);
  GetEdge(j, "leftEdge", r->leftEdge); GetEdge(j, "topEdge", r->topEdge);
  GetEdge(j, "rightEdge", r->rightEdge); GetEdge(j, "bottomEdge", r->bottomEdge);
  GetEdge(j, "diagonalDown", r->diagonalDown); GetEdge(j, "diagonalUp", r->diagonalUp);
  GetText(j, "address", r->address); GetText(j, "mergeAddress", r->mergeAddress); GetText(j, "text", r->text);
  GetText(j, "formula", r->formula); GetText(j, "runs", r->runs); GetText(j, "fontName", r->fontName);
  GetText(j, "areaAddress", r->areaAddress); GetText(j, "sheetName", r->sheetName);
  GetText(j, "numberFormat", r->numberFormat);
  const auto* bytes = reinterpret_cast<const uint8_t*>(r.get());
  return std::vector<uint8_t>(bytes, bytes + sizeof(CellRecord));
}

std::vector<uint8_t> ShapeBytes(const json& j) {
  ShapeRecord r;
  std::memset(&r, 0, sizeof r);
  r.size = kShapeRecordSize;
  Get(j, "size", r.size);
  Get(j, "left", r.left); Get(j, "top", r.top); Get(j, "width", r.width); Get(j, "height", r.height);
  Get(j, "rotation", r.rotation); Get(j, "fontSize", r.fontSize); Get(j, "lineWeight", r.lineWeight);
  Get(j, "lineTransparency", r.lineTransparency); Get(j, "fillTransparency", r.fillTransparency);
  Get(j, "adjustment1", r.adjustment1); Get(j, "adjustment2", r.adjustment2);
  Get(j, "lineVisible", r.lineVisible); Get(j, "lineColor", r.lineColor); Get(j, "lineDashStyle", r.lineDashStyle);
  Get(j, "beginArrowheadStyle", r.beginArrowheadStyle); Get(j, "beginArrowheadLength", r.beginArrowheadLength);
  Get(j, "beginArrowheadWidth", r.beginArrowheadWidth); Get(j, "endArrowheadStyle", r.endArrowheadStyle);
  Get(j, "endArrowheadLength", r.endArrowheadLength); Get(j, "endArrowheadWidth", r.endArrowheadWidth);
  Get(j, "fillColor", r.fillColor); Get(j, "fillVisible", r.fillVisible); Get(j, "verticalFlip", r.verticalFlip);
  Get(j, "horizontalFlip", r.horizontalFlip); Get(j, "shapeType", r.shapeType); Get(j, "autoShapeType", r.autoShapeType);
  Get(j, "controlType", r.controlType); Get(j, "controlValue", r.controlValue); Get(j, "controlMax", r.controlMax);
  Get(j, "controlMin", r.controlMin); Get(j, "horizontalAlignment", r.horizontalAlignment);
  Get(j, "verticalAlignment", r.verticalAlignment); Get(j, "underline", r.underline); Get(j, "fontColor", r.fontColor);
  Get(j, "isConnector", r.isConnector); Get(j, "connectorType", r.connectorType); Get(j, "bold", r.bold);
  Get(j, "italic", r.italic);
  GetText(j, "picturePath", r.picturePath); GetText(j, "fontName", r.fontName); GetText(j, "text", r.text);
  const auto* bytes = reinterpret_cast<const uint8_t*>(&r);
  return std::vector<uint8_t>(bytes, bytes + sizeof r);
}

}  // namespace

void ReadJsonLines(std::istream& in, const std::function<void(const LinkMessage&)>& sink,
                   const std::function<void(const std::string&)>& log) {
  std::string line;
  size_t number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty()) continue;
    const json j = json::parse(line, nullptr, false);
    if (j.is_discarded() || !j.is_object() || !j.contains("event") || !j["event"].is_string()) {
      log("line " + std::to_string(number) + " skipped: not a JSON event");
      continue;
    }
    const std::string event = j["event"].get<std::string>();
    LinkMessage m;
    if (event == "table") {
      m.kind = LinkMessage::Kind::TableStart;
      Get(j, "rows", m.wParam);
      Get(j, "columns", m.lParam);
    } else if (event == "end") {
      m.kind = LinkMessage::Kind::End;
      Get(j, "reason", m.lParam);
    } else if (event == "cell") {
      m.data = CellBytes(j);
    } else if (event == "shape") {
      m.data = ShapeBytes(j);
    } else if (event == "record") {
      int64_t size = 0;
      Get(j, "size", size);
      m.data.assign(static_cast<size_t>(std::clamp<int64_t>(size, 0, 1 << 20)), 0);
    } else {
      continue;
    }
    sink(m);
  }
}

}  // namespace vk::draw
