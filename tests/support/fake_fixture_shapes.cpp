#include "fake_fixture_shapes.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "fake_clipboard.h"
#include "a1_text.h"
#include "fake_fixture_shape_text.h"
#include "fake_shape_text.h"
#include "fake_sheet.h"
#include "fixture_json.h"
#include "utf_text.h"

namespace vk::fake {
namespace {

using nlohmann::json;
using fixture::Colour;
using fixture::Fail;
using fixture::Flag;
using fixture::Integer;
using fixture::OnlyKeys;
using fixture::Text;

float Single(const json& value, const std::string& where) {
  if (!value.is_number()) Fail(where + ": expected a number");
  return value.get<float>();
}

FakeArrowhead Arrowhead(const json& data, const std::string& where) {
  OnlyKeys(data, {"style", "length", "width"}, where);
  FakeArrowhead head;
  if (data.contains("style")) head.style = Integer(data["style"], where + ".style");
  if (data.contains("length")) head.length = Integer(data["length"], where + ".length");
  if (data.contains("width")) head.width = Integer(data["width"], where + ".width");
  return head;
}

FakeShapeLine Line(const json& data, const std::string& where) {
  OnlyKeys(data, {"visible", "color", "weight", "transparency", "dashStyle", "begin", "end"}, where);
  FakeShapeLine line;
  if (data.contains("visible")) line.visible = Flag(data["visible"], where + ".visible");
  if (data.contains("color")) line.color = Colour(data["color"], where + ".color");
  if (data.contains("weight")) line.weight = Single(data["weight"], where + ".weight");
  if (data.contains("transparency")) line.transparency = Single(data["transparency"], where + ".transparency");
  if (data.contains("dashStyle")) line.dashStyle = Integer(data["dashStyle"], where + ".dashStyle");
  if (data.contains("begin")) line.begin = Arrowhead(data["begin"], where + ".begin");
  if (data.contains("end")) line.end = Arrowhead(data["end"], where + ".end");
  return line;
}

FakeShapeFill Fill(const json& data, const std::string& where) {
  OnlyKeys(data, {"visible", "color", "transparency"}, where);
  FakeShapeFill fill;
  if (data.contains("visible")) fill.visible = Flag(data["visible"], where + ".visible");
  if (data.contains("color")) fill.color = Colour(data["color"], where + ".color");
  if (data.contains("transparency")) fill.transparency = Single(data["transparency"], where + ".transparency");
  return fill;
}

FakeControl Control(const json& data, const std::string& where) {
  OnlyKeys(data, {"type", "value", "listIndex", "listFillRange", "max", "min"}, where);
  FakeControl control;
  if (!data.contains("type")) Fail(where + ": \"type\" (XlFormControl) is required");
  control.type = Integer(data["type"], where + ".type");
  if (data.contains("value")) control.value = Integer(data["value"], where + ".value");
  if (data.contains("listIndex")) control.listIndex = Integer(data["listIndex"], where + ".listIndex");
  if (data.contains("listFillRange")) control.listFillRange = Text(data["listFillRange"], where + ".listFillRange");
  if (data.contains("max")) control.max = Integer(data["max"], where + ".max");
  if (data.contains("min")) control.min = Integer(data["min"], where + ".min");
  return control;
}

FakeActiveX ActiveX(const json& data, const std::string& where) {
  OnlyKeys(data, {"type", "value"}, where);
  FakeActiveX control;
  control.typeName = Text(data.contains("type") ? data["type"] : json(), where + ".type");
  if (data.contains("value")) control.value = Variant::Bool(Flag(data["value"], where + ".value"));
  return control;
}

FakeShapeData Shape(const json& data, const std::string& where) {
  OnlyKeys(data,
           {"name", "type", "autoShapeType", "connector", "connectorType", "left", "top", "width", "height",
            "rotation", "visible", "horizontalFlip", "verticalFlip", "line", "fill", "adjustments", "control",
            "activeX", "text", "clipboard", "items"},
           where);
  FakeShapeData shape;
  if (!data.contains("type")) Fail(where + ": \"type\" (MsoShapeType) is required");
  shape.type = Integer(data["type"], where + ".type");
  if (data.contains("name")) shape.name = Text(data["name"], where + ".name");
  if (data.contains("autoShapeType")) shape.autoShapeType = Integer(data["autoShapeType"], where + ".autoShapeType");
  if (data.contains("connector")) shape.connector = Flag(data["connector"], where + ".connector");
  if (data.contains("connectorType")) shape.connectorType = Integer(data["connectorType"], where + ".connectorType");
  if (data.contains("left")) shape.left = Single(data["left"], where + ".left");
  if (data.contains("top")) shape.top = Single(data["top"], where + ".top");
  if (data.contains("width")) shape.width = Single(data["width"], where + ".width");
  if (data.contains("height")) shape.height = Single(data["height"], where + ".height");
  if (data.contains("rotation")) shape.rotation = Single(data["rotation"], where + ".rotation");
  if (data.contains("visible")) shape.visible = Flag(data["visible"], where + ".visible");
  if (data.contains("horizontalFlip")) shape.horizontalFlip = Flag(data["horizontalFlip"], where + ".horizontalFlip");
  if (data.contains("verticalFlip")) shape.verticalFlip = Flag(data["verticalFlip"], where + ".verticalFlip");
  if (data.contains("line")) shape.line = Line(data["line"], where + ".line");
  if (data.contains("fill")) shape.fill = Fill(data["fill"], where + ".fill");
  if (data.contains("adjustments")) {
    if (!data["adjustments"].is_array()) Fail(where + ".adjustments: expected an array of numbers");
    for (const json& value : data["adjustments"]) shape.adjustments.push_back(Single(value, where + ".adjustments"));
  }
  if (data.contains("control")) shape.control = Control(data["control"], where + ".control");
  if (data.contains("activeX")) shape.activeX = ActiveX(data["activeX"], where + ".activeX");
  if (data.contains("text")) shape.text = std::make_shared<FakeShapeText>(LoadShapeText(data["text"], where + ".text"));
  if (data.contains("clipboard")) {
    shape.clipboard = std::make_shared<ClipboardContent>(LoadClipboardContent(data["clipboard"], where + ".clipboard"));
  }
  if (data.contains("items")) {
    if (!data["items"].is_array()) Fail(where + ".items: expected an array of shapes");
    int k = 0;
    for (const json& item : data["items"]) {
      shape.items.push_back(Shape(item, where + ".items[" + std::to_string(k++) + "]"));
    }
  }
  return shape;
}

}  // namespace

// A note is a rectangle (AutoShapeType 1) named "Comment N", hidden until the user shows it,
// filled pale yellow, its text in Tahoma 9; a new note sits 12 points right of its cell and 7.5
// points above it, 96 x 55.5 points (ck: Excel 2016; the fixture gives the geometry a workbook
// saved).
void LoadNotes(FakeSheet& sheet, const json& notes, const std::string& where) {
  if (!notes.is_array()) Fail(where + ": expected an array of notes");
  int i = 0;
  for (const json& data : notes) {
    const std::string at = where + "[" + std::to_string(i++) + "]";
    OnlyKeys(data, {"cell", "text", "visible", "left", "top", "width", "height"}, at);
    const auto cell = ParseReference(Text(data.contains("cell") ? data["cell"] : json(), at + ".cell"));
    if (!cell || !cell->sheet.empty() || cell->areas.size() != 1 || cell->areas.front().Cells() != 1) {
      Fail(at + ".cell: one cell, such as \"B2\"");
    }
    const CellArea& area = cell->areas.front();
    FakeShapeData note;
    note.name = u"Comment " + Utf16(std::to_string(i));
    note.type = 4;
    note.autoShapeType = 1;
    note.visible = data.contains("visible") && Flag(data["visible"], at + ".visible");
    note.left = static_cast<float>(sheet.ColumnLeft(area.column1 + 1) + 12.0);
    note.top = static_cast<float>(std::max(0.0, sheet.RowTop(area.row1) - 7.5));
    note.width = 96.0f;
    note.height = 55.5f;
    if (data.contains("left")) note.left = Single(data["left"], at + ".left");
    if (data.contains("top")) note.top = Single(data["top"], at + ".top");
    if (data.contains("width")) note.width = Single(data["width"], at + ".width");
    if (data.contains("height")) note.height = Single(data["height"], at + ".height");
    note.fill.color = 0xE1FFFF;  // RGB(255, 255, 225), red in the low byte
    FakeFontFace font;
    font.name = u"Tahoma";
    font.size = 9;
    note.text = std::make_shared<FakeShapeText>(
        FakeShapeText::Plain(Text(data.contains("text") ? data["text"] : json(""), at + ".text"), font));
    sheet.shapes.push_back(std::move(note));
  }
}

void LoadShapes(FakeSheet& sheet, const json& shapes, const std::string& where) {
  if (!shapes.is_array()) Fail(where + ": expected an array of shapes");
  int i = 0;
  for (const json& data : shapes) sheet.shapes.push_back(Shape(data, where + "[" + std::to_string(i++) + "]"));
}

}  // namespace vk::fake
