#pragma once
#include <cstddef>
#include <cstdint>

#include "link/record_field.h"

namespace vk {

// The record the receiver gets for every sent shape (each member of a group is one), as the data
// of one WM_COPYDATA message: 5072 bytes, little-endian, naturally aligned, no gaps. Values are
// Excel's and Office's as reported: points, RGB colours, MsoTriState -1/0, enumerations
// unconverted; text fields are zero-terminated UTF-16.
struct ShapeRecord {
  int32_t size;  // 5072
  int32_t reserved1;
  double left;  // from the imported range's left edge
  double top;   // from the imported range's top edge
  double width;
  double height;
  double rotation;  // counter-clockwise: Excel's clockwise Rotation negated
  double fontSize;  // of the text's first character
  double lineWeight;
  double lineTransparency;
  double fillTransparency;
  double adjustment1;
  double adjustment2;
  int32_t lineVisible;
  int32_t lineColor;
  int32_t lineDashStyle;         // MsoLineDashStyle
  int32_t beginArrowheadStyle;   // MsoArrowheadStyle; 1 none
  int32_t beginArrowheadLength;  // MsoArrowheadLength; 2 medium
  int32_t beginArrowheadWidth;   // MsoArrowheadWidth; 2 medium
  int32_t endArrowheadStyle;
  int32_t endArrowheadLength;
  int32_t endArrowheadWidth;
  int32_t fillColor;
  int32_t fillVisible;
  int32_t verticalFlip;
  int32_t horizontalFlip;
  int32_t shapeType;      // MsoShapeType
  int32_t autoShapeType;  // MsoAutoShapeType; -2 for shapes that are not AutoShapes
  int32_t controlType;    // XlFormControl, a list box as 13; ActiveX check box 1
  int32_t controlValue;   // control state, or the text orientation of text kinds
  int32_t controlMax;
  int32_t controlMin;
  int32_t horizontalAlignment;  // XlHAlign
  int32_t verticalAlignment;    // XlVAlign
  int32_t underline;            // XlUnderlineStyle, first character
  int32_t fontColor;
  int32_t isConnector;
  int32_t connectorType;  // MsoConnectorType: 1 straight, 2 elbow, 3 curved
  uint8_t bold;
  uint8_t italic;
  char16_t picturePath[260];
  char16_t fontName[128];
  char16_t text[2048];  // plain text, a drop-down's entry, or MText starting with U+0002
  uint8_t reserved2[2];
};

inline constexpr int32_t kShapeRecordSize = 5072;

static_assert(sizeof(ShapeRecord) == kShapeRecordSize);
static_assert(offsetof(ShapeRecord, size) == 0x0000);
static_assert(offsetof(ShapeRecord, reserved1) == 0x0004);
static_assert(offsetof(ShapeRecord, left) == 0x0008);
static_assert(offsetof(ShapeRecord, top) == 0x0010);
static_assert(offsetof(ShapeRecord, width) == 0x0018);
static_assert(offsetof(ShapeRecord, height) == 0x0020);
static_assert(offsetof(ShapeRecord, rotation) == 0x0028);
static_assert(offsetof(ShapeRecord, fontSize) == 0x0030);
static_assert(offsetof(ShapeRecord, lineWeight) == 0x0038);
static_assert(offsetof(ShapeRecord, lineTransparency) == 0x0040);
static_assert(offsetof(ShapeRecord, fillTransparency) == 0x0048);
static_assert(offsetof(ShapeRecord, adjustment1) == 0x0050);
static_assert(offsetof(ShapeRecord, adjustment2) == 0x0058);
static_assert(offsetof(ShapeRecord, lineVisible) == 0x0060);
static_assert(offsetof(ShapeRecord, lineColor) == 0x0064);
static_assert(offsetof(ShapeRecord, lineDashStyle) == 0x0068);
static_assert(offsetof(ShapeRecord, beginArrowheadStyle) == 0x006C);
static_assert(offsetof(ShapeRecord, beginArrowheadLength) == 0x0070);
static_assert(offsetof(ShapeRecord, beginArrowheadWidth) == 0x0074);
static_assert(offsetof(ShapeRecord, endArrowheadStyle) == 0x0078);
static_assert(offsetof(ShapeRecord, endArrowheadLength) == 0x007C);
static_assert(offsetof(ShapeRecord, endArrowheadWidth) == 0x0080);
static_assert(offsetof(ShapeRecord, fillColor) == 0x0084);
static_assert(offsetof(ShapeRecord, fillVisible) == 0x0088);
static_assert(offsetof(ShapeRecord, verticalFlip) == 0x008C);
static_assert(offsetof(ShapeRecord, horizontalFlip) == 0x0090);
static_assert(offsetof(ShapeRecord, shapeType) == 0x0094);
static_assert(offsetof(ShapeRecord, autoShapeType) == 0x0098);
static_assert(offsetof(ShapeRecord, controlType) == 0x009C);
static_assert(offsetof(ShapeRecord, controlValue) == 0x00A0);
static_assert(offsetof(ShapeRecord, controlMax) == 0x00A4);
static_assert(offsetof(ShapeRecord, controlMin) == 0x00A8);
static_assert(offsetof(ShapeRecord, horizontalAlignment) == 0x00AC);
static_assert(offsetof(ShapeRecord, verticalAlignment) == 0x00B0);
static_assert(offsetof(ShapeRecord, underline) == 0x00B4);
static_assert(offsetof(ShapeRecord, fontColor) == 0x00B8);
static_assert(offsetof(ShapeRecord, isConnector) == 0x00BC);
static_assert(offsetof(ShapeRecord, connectorType) == 0x00C0);
static_assert(offsetof(ShapeRecord, bold) == 0x00C4);
static_assert(offsetof(ShapeRecord, italic) == 0x00C5);
static_assert(offsetof(ShapeRecord, picturePath) == 0x00C6);
static_assert(offsetof(ShapeRecord, fontName) == 0x02CE);
static_assert(offsetof(ShapeRecord, text) == 0x03CE);
static_assert(offsetof(ShapeRecord, reserved2) == 0x13CE);

}  // namespace vk
