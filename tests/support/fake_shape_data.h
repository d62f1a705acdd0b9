#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/variant.h"

namespace vk::fake {

struct FakeShapeText;
struct ClipboardContent;

// One end of a line.
struct FakeArrowhead {
  int32_t style = 1;   // MsoArrowheadStyle: none
  int32_t length = 2;  // MsoArrowheadLength: medium
  int32_t width = 2;   // MsoArrowheadWidth: medium
};

// A shape's LineFormat: the line itself for lines and connectors, the outline otherwise.
struct FakeShapeLine {
  bool visible = true;
  int32_t color = 0;  // RGB, red in the low byte
  float weight = 0.75f;
  float transparency = 0;
  int32_t dashStyle = 1;  // msoLineSolid
  FakeArrowhead begin;
  FakeArrowhead end;
};

struct FakeShapeFill {
  bool visible = true;
  int32_t color = 0xFFFFFF;
  float transparency = 0;
};

// A form control's ControlFormat. Which members answer depends on the control type.
struct FakeControl {
  int32_t type = 0;  // XlFormControl
  int32_t value = 0;
  int32_t listIndex = 0;
  std::u16string listFillRange;
  int32_t max = 100;
  int32_t min = 0;
};

// The control inside an ActiveX shape: its type information's name and its Value, if any.
struct FakeActiveX {
  std::u16string typeName;  // "IMdcCheckBox", "ICommandButton"
  std::optional<Variant> value;
};

// One stand-in drawing object of a worksheet, or a member of a group. Geometry is kept in
// Single, as Excel keeps it.
struct FakeShapeData {
  std::u16string name;
  int32_t type = 1;            // MsoShapeType
  int32_t autoShapeType = -2;  // MsoAutoShapeType; -2 for shapes that are not AutoShapes
  bool connector = false;
  int32_t connectorType = 1;  // MsoConnectorType, for connectors
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  float rotation = 0;
  bool visible = true;
  bool horizontalFlip = false;
  bool verticalFlip = false;
  FakeShapeLine line;
  FakeShapeFill fill;
  std::vector<float> adjustments;
  std::optional<FakeControl> control;     // form controls
  std::optional<FakeActiveX> activeX;     // ActiveX controls
  std::shared_ptr<const FakeShapeText> text;  // null: an empty text frame
  // What Shape.Copy leaves on the clipboard; null: what Excel offers for the shape's kind.
  std::shared_ptr<const ClipboardContent> clipboard;
  std::vector<FakeShapeData> items;  // the members of a group
};

}  // namespace vk::fake
