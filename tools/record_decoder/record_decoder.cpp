#include "record_decoder.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include <nlohmann/json.hpp>

#include "link/cell_record.h"
#include "link/shape_record.h"
#include "text/utf8_text.h"

namespace vk::decoder {
namespace {

using Json = nlohmann::ordered_json;


std::string Dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

Json Edge(const EdgeStyle& edge) {
  return Json{{"lineStyle", edge.lineStyle}, {"weight", edge.weight}, {"color", edge.color},
              {"colorRgb", RgbText(edge.color)}, {"fromCondition", edge.fromCondition}};
}

Json Diagonal(const DiagonalStyle& line) {
  return Json{{"lineStyle", line.lineStyle}, {"weight", line.weight}, {"color", line.color},
              {"colorRgb", RgbText(line.color)}};
}

bool ReservedZero(const CellRecord& r) {
  bool zero = r.reserved1 == 0 && r.reserved2[0] == 0 && r.reserved2[1] == 0;
  for (const EdgeStyle* edge : {&r.leftEdge, &r.topEdge, &r.rightEdge, &r.bottomEdge}) {
    zero = zero && edge->reserved[0] == 0 && edge->reserved[1] == 0 && edge->reserved[2] == 0;
  }
  return zero;
}

// The record is copied out of the bytes: they need not be aligned for its doubles.
std::unique_ptr<CellRecord> AsCellRecord(const uint8_t* bytes, size_t size) {
  if (bytes == nullptr || size != sizeof(CellRecord)) return nullptr;
  auto record = std::make_unique<CellRecord>();
  std::memcpy(record.get(), bytes, sizeof(CellRecord));
  return record;
}

std::string Short(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

std::unique_ptr<ShapeRecord> AsShapeRecord(const uint8_t* bytes, size_t size) {
  if (bytes == nullptr || size != sizeof(ShapeRecord)) return nullptr;
  auto record = std::make_unique<ShapeRecord>();
  std::memcpy(record.get(), bytes, sizeof(ShapeRecord));
  return record;
}

std::string ShapeLine(const ShapeRecord& r) {
  Json json{{"event", "shape"},
            {"size", r.size},
            {"left", r.left},
            {"top", r.top},
            {"width", r.width},
            {"height", r.height},
            {"rotation", r.rotation},
            {"fontSize", r.fontSize},
            {"lineWeight", r.lineWeight},
            {"lineTransparency", r.lineTransparency},
            {"fillTransparency", r.fillTransparency},
            {"adjustment1", r.adjustment1},
            {"adjustment2", r.adjustment2},
            {"lineVisible", r.lineVisible},
            {"lineColor", r.lineColor},
            {"lineColorRgb", RgbText(r.lineColor)},
            {"lineDashStyle", r.lineDashStyle},
            {"beginArrowheadStyle", r.beginArrowheadStyle},
            {"beginArrowheadLength", r.beginArrowheadLength},
            {"beginArrowheadWidth", r.beginArrowheadWidth},
            {"endArrowheadStyle", r.endArrowheadStyle},
            {"endArrowheadLength", r.endArrowheadLength},
            {"endArrowheadWidth", r.endArrowheadWidth},
            {"fillColor", r.fillColor},
            {"fillColorRgb", RgbText(r.fillColor)},
            {"fillVisible", r.fillVisible},
            {"verticalFlip", r.verticalFlip},
            {"horizontalFlip", r.horizontalFlip},
            {"shapeType", r.shapeType},
            {"autoShapeType", r.autoShapeType},
            {"controlType", r.controlType},
            {"controlValue", r.controlValue},
            {"controlMax", r.controlMax},
            {"controlMin", r.controlMin},
            {"horizontalAlignment", r.horizontalAlignment},
            {"verticalAlignment", r.verticalAlignment},
            {"underline", r.underline},
            {"fontColor", r.fontColor},
            {"fontColorRgb", RgbText(r.fontColor)},
            {"isConnector", r.isConnector},
            {"connectorType", r.connectorType},
            {"bold", r.bold},
            {"italic", r.italic},
            {"picturePath", ToUtf8(FieldText(r.picturePath))},
            {"fontName", ToUtf8(FieldText(r.fontName))},
            {"text", ToUtf8(FieldText(r.text))},
            {"reservedZero", r.reserved1 == 0 && r.reserved2[0] == 0 && r.reserved2[1] == 0}};
  return Dump(json);
}

std::string DescribeShape(const ShapeRecord& r) {
  std::string line = "shape type " + std::to_string(r.shapeType) + "/" + std::to_string(r.autoShapeType);
  line += "  at " + Short(r.left) + "," + Short(r.top) + "  " + Short(r.width) + " x " + Short(r.height) + " pt";
  if (r.rotation != 0) line += "  rot " + Short(r.rotation);
  if (r.isConnector != 0) line += "  connector " + std::to_string(r.connectorType);
  if (r.lineVisible != 0) line += "  line " + RgbText(r.lineColor) + " " + Short(r.lineWeight) + "pt";
  if (r.fillVisible != 0) line += "  fill " + RgbText(r.fillColor);
  if (r.beginArrowheadStyle > 1 || r.endArrowheadStyle > 1) {
    line += "  arrows " + std::to_string(r.beginArrowheadStyle) + "/" + std::to_string(r.endArrowheadStyle);
  }
  if (r.controlType != 0) line += "  control " + std::to_string(r.controlType) + "=" + std::to_string(r.controlValue);
  const std::u16string_view text = FieldText(r.text);
  if (!text.empty()) {
    std::u16string shown(text);
    for (char16_t& c : shown) {
      if (c == u'\n' || c == u'\r') c = u' ';
      if (c == u'\x02') c = u'~';
    }
    line += "  \"" + ToUtf8(shown) + "\"  " + ToUtf8(FieldText(r.fontName)) + " " + Short(r.fontSize);
  }
  if (!FieldText(r.picturePath).empty()) line += "  file " + ToUtf8(FieldText(r.picturePath));
  return line;
}

}  // namespace

std::string RgbText(int32_t colour) {
  const uint32_t c = static_cast<uint32_t>(colour);
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buffer;
}

std::u16string Unescape(std::u16string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 1 < text.size() &&
        (text[i + 1] == u'\\' || text[i + 1] == u'{' || text[i + 1] == u'}')) {
      ++i;
    }
    out.push_back(text[i]);
  }
  return out;
}

std::string TableStartLine(int64_t rows, int64_t columns) {
  return Dump(Json{{"event", "table"}, {"rows", rows}, {"columns", columns}});
}

std::string EndLine(int64_t reason) { return Dump(Json{{"event", "end"}, {"reason", reason}}); }

std::string MessageLine(std::u16string_view text, std::u16string_view caption) {
  return Dump(Json{{"event", "message"}, {"text", ToUtf8(text)}, {"caption", ToUtf8(caption)}});
}

std::string ResultLine(std::string_view command, int64_t result) {
  return Dump(Json{{"event", "result"}, {"command", std::string(command)}, {"result", result}});
}

std::string RecordLine(const uint8_t* bytes, size_t size) {
  if (const auto shape = AsShapeRecord(bytes, size)) return ShapeLine(*shape);
  const auto record = AsCellRecord(bytes, size);
  if (!record) return Dump(Json{{"event", "record"}, {"size", size}});
  const CellRecord& r = *record;
  Json json{{"event", "cell"},
            {"size", r.size},
            {"left", r.left},
            {"top", r.top},
            {"width", r.width},
            {"height", r.height},
            {"mergeWidth", r.mergeWidth},
            {"mergeHeight", r.mergeHeight},
            {"fontSize", r.fontSize},
            {"orientation", r.orientation},
            {"indentLevel", r.indentLevel},
            {"horizontalAlignment", r.horizontalAlignment},
            {"verticalAlignment", r.verticalAlignment},
            {"fillColor", r.fillColor},
            {"fillColorRgb", RgbText(r.fillColor)},
            {"fillColorIndex", r.fillColorIndex},
            {"fillPattern", r.fillPattern},
            {"patternColor", r.patternColor},
            {"patternColorRgb", RgbText(r.patternColor)},
            {"underline", r.underline},
            {"fontColor", r.fontColor},
            {"fontColorRgb", RgbText(r.fontColor)},
            {"wrapText", r.wrapText},
            {"bold", r.bold},
            {"italic", r.italic},
            {"strikethrough", r.strikethrough},
            {"superscript", r.superscript},
            {"subscript", r.subscript},
            {"leftEdge", Edge(r.leftEdge)},
            {"topEdge", Edge(r.topEdge)},
            {"rightEdge", Edge(r.rightEdge)},
            {"bottomEdge", Edge(r.bottomEdge)},
            {"diagonalDown", Diagonal(r.diagonalDown)},
            {"diagonalUp", Diagonal(r.diagonalUp)},
            {"address", ToUtf8(FieldText(r.address))},
            {"mergeAddress", ToUtf8(FieldText(r.mergeAddress))},
            {"text", ToUtf8(FieldText(r.text))},
            {"textUnescaped", ToUtf8(Unescape(FieldText(r.text)))},
            {"formula", ToUtf8(FieldText(r.formula))},
            {"runs", ToUtf8(FieldText(r.runs))},
            {"fontName", ToUtf8(FieldText(r.fontName))},
            {"areaAddress", ToUtf8(FieldText(r.areaAddress))},
            {"sheetName", ToUtf8(FieldText(r.sheetName))},
            {"numberFormat", ToUtf8(FieldText(r.numberFormat))},
            {"reservedZero", ReservedZero(r)}};
  return Dump(json);
}

std::string DescribeRecord(const uint8_t* bytes, size_t size) {
  if (const auto shape = AsShapeRecord(bytes, size)) return DescribeShape(*shape);
  const auto record = AsCellRecord(bytes, size);
  if (!record) return "record of " + std::to_string(size) + " bytes";
  const CellRecord& r = *record;
  const std::u16string_view address = FieldText(r.address);
  if (address.empty()) return "(hidden) " + Short(r.width) + " x " + Short(r.height) + " pt";
  std::string line = ToUtf8(address);
  if (FieldText(r.mergeAddress) != address) line += " in " + ToUtf8(FieldText(r.mergeAddress));
  line += "  \"" + ToUtf8(Unescape(FieldText(r.text))) + "\"";
  line += "  " + ToUtf8(FieldText(r.fontName)) + " " + Short(r.fontSize);
  if (r.bold) line += " bold";
  if (r.italic) line += " italic";
  if (r.underline != kXlNone) line += " underline";
  if (r.strikethrough) line += " strike";
  if (r.superscript) line += " super";
  if (r.subscript) line += " sub";
  if (r.fontColor != 0) line += " " + RgbText(r.fontColor);
  if (!FieldText(r.runs).empty()) line += "  runs " + ToUtf8(FieldText(r.runs));
  line += "  align " + std::to_string(r.horizontalAlignment);
  if (r.fillColorIndex != kXlNone) {
    line += "  fill " + RgbText(r.fillColor) + " pattern " + std::to_string(r.fillPattern);
  }
  std::string borders;
  const std::pair<const char*, const EdgeStyle*> edges[] = {
      {"l", &r.leftEdge}, {"t", &r.topEdge}, {"r", &r.rightEdge}, {"b", &r.bottomEdge}};
  for (const auto& [name, edge] : edges) {
    if (edge->lineStyle == kXlNone || edge->lineStyle == 0) continue;
    borders += std::string(" ") + name + ":" + std::to_string(edge->lineStyle) + "/" + std::to_string(edge->weight) +
               (edge->fromCondition ? "*" : "");
  }
  for (const auto& [name, line2] : {std::pair<const char*, const DiagonalStyle*>{"dd", &r.diagonalDown},
                                    std::pair<const char*, const DiagonalStyle*>{"du", &r.diagonalUp}}) {
    if (line2->lineStyle == kXlNone || line2->lineStyle == 0) continue;
    borders += std::string(" ") + name + ":" + std::to_string(line2->lineStyle) + "/" + std::to_string(line2->weight);
  }
  if (!borders.empty()) line += "  borders" + borders;
  if (!FieldText(r.formula).empty()) line += "  " + ToUtf8(FieldText(r.formula)) + " [" + ToUtf8(FieldText(r.numberFormat)) + "]";
  return line;
}

}  // namespace vk::decoder
