#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "link/record_field.h"

namespace vk {

// One edge line of a cell. Values are Excel's own constants and RGB colours, unconverted.
struct EdgeStyle {
  int32_t lineStyle;       // XlLineStyle: 1 continuous, -4142 none, …
  int32_t weight;          // XlBorderWeight: 2 thin, …
  int32_t color;           // RGB, red in the low byte
  uint8_t fromCondition;   // 1 when a conditional format wrote the edge last
  uint8_t reserved[3];
};

// A diagonal: the edge's first three members only.
struct DiagonalStyle {
  int32_t lineStyle;
  int32_t weight;
  int32_t color;
};

// The record the receiver gets for every cell of a table, as the data of one WM_COPYDATA
// message: 13320 bytes, little-endian, naturally aligned, no gaps. It is the whole contract
// with the CAD side, so its layout is pinned field by field below. Lengths are points, colours
// Excel RGB values, enumerations Excel's constants; text fields are zero-terminated UTF-16.
struct CellRecord {
  int32_t size;  // 13320
  int32_t reserved1;
  double left;  // from the area's left edge
  double top;   // from the area's top edge
  double width;
  double height;
  double mergeWidth;   // of the merge area; the cell's own when it is not merged
  double mergeHeight;
  double fontSize;
  int32_t orientation;
  int32_t indentLevel;
  int32_t horizontalAlignment;
  int32_t verticalAlignment;
  int32_t fillColor;
  int32_t fillColorIndex;
  int32_t fillPattern;
  int32_t patternColor;
  int32_t underline;  // XlUnderlineStyle; -4142 none
  int32_t fontColor;
  uint8_t wrapText;
  uint8_t bold;
  uint8_t italic;
  uint8_t strikethrough;
  uint8_t superscript;
  uint8_t subscript;
  uint8_t reserved2[2];
  EdgeStyle leftEdge;
  EdgeStyle topEdge;
  EdgeStyle rightEdge;
  EdgeStyle bottomEdge;
  DiagonalStyle diagonalDown;  // top-left to bottom-right
  DiagonalStyle diagonalUp;    // bottom-left to top-right
  char16_t address[32];        // "$B$3"
  char16_t mergeAddress[64];   // "$B$3:$C$4"; the address itself when not merged
  char16_t text[4096];         // displayed text, backslash and braces escaped
  char16_t formula[768];       // table-object mode only; at most 511 characters
  char16_t runs[1024];         // run list of rich text; empty when the font is uniform
  char16_t fontName[256];
  char16_t areaAddress[64];    // the imported range's address or name; the same in every record
  char16_t sheetName[128];
  char16_t numberFormat[128];  // with formula only; at most 127 characters
};

inline constexpr int32_t kCellRecordSize = 13320;
inline constexpr int32_t kXlNone = -4142;  // Excel's "none": no underline, no line, no fill

static_assert(sizeof(EdgeStyle) == 16);
static_assert(offsetof(EdgeStyle, lineStyle) == 0);
static_assert(offsetof(EdgeStyle, weight) == 4);
static_assert(offsetof(EdgeStyle, color) == 8);
static_assert(offsetof(EdgeStyle, fromCondition) == 12);
static_assert(sizeof(DiagonalStyle) == 12);

static_assert(sizeof(CellRecord) == kCellRecordSize);
static_assert(offsetof(CellRecord, size) == 0x0000);
static_assert(offsetof(CellRecord, reserved1) == 0x0004);
static_assert(offsetof(CellRecord, left) == 0x0008);
static_assert(offsetof(CellRecord, top) == 0x0010);
static_assert(offsetof(CellRecord, width) == 0x0018);
static_assert(offsetof(CellRecord, height) == 0x0020);
static_assert(offsetof(CellRecord, mergeWidth) == 0x0028);
static_assert(offsetof(CellRecord, mergeHeight) == 0x0030);
static_assert(offsetof(CellRecord, fontSize) == 0x0038);
static_assert(offsetof(CellRecord, orientation) == 0x0040);
static_assert(offsetof(CellRecord, indentLevel) == 0x0044);
static_assert(offsetof(CellRecord, horizontalAlignment) == 0x0048);
static_assert(offsetof(CellRecord, verticalAlignment) == 0x004C);
static_assert(offsetof(CellRecord, fillColor) == 0x0050);
static_assert(offsetof(CellRecord, fillColorIndex) == 0x0054);
static_assert(offsetof(CellRecord, fillPattern) == 0x0058);
static_assert(offsetof(CellRecord, patternColor) == 0x005C);
static_assert(offsetof(CellRecord, underline) == 0x0060);
static_assert(offsetof(CellRecord, fontColor) == 0x0064);
static_assert(offsetof(CellRecord, wrapText) == 0x0068);
static_assert(offsetof(CellRecord, bold) == 0x0069);
static_assert(offsetof(CellRecord, italic) == 0x006A);
static_assert(offsetof(CellRecord, strikethrough) == 0x006B);
static_assert(offsetof(CellRecord, superscript) == 0x006C);
static_assert(offsetof(CellRecord, subscript) == 0x006D);
static_assert(offsetof(CellRecord, reserved2) == 0x006E);
static_assert(offsetof(CellRecord, leftEdge) == 0x0070);
static_assert(offsetof(CellRecord, topEdge) == 0x0080);
static_assert(offsetof(CellRecord, rightEdge) == 0x0090);
static_assert(offsetof(CellRecord, bottomEdge) == 0x00A0);
static_assert(offsetof(CellRecord, diagonalDown) == 0x00B0);
static_assert(offsetof(CellRecord, diagonalUp) == 0x00BC);
static_assert(offsetof(CellRecord, address) == 0x00C8);
static_assert(offsetof(CellRecord, mergeAddress) == 0x0108);
static_assert(offsetof(CellRecord, text) == 0x0188);
static_assert(offsetof(CellRecord, formula) == 0x2188);
static_assert(offsetof(CellRecord, runs) == 0x2788);
static_assert(offsetof(CellRecord, fontName) == 0x2F88);
static_assert(offsetof(CellRecord, areaAddress) == 0x3188);
static_assert(offsetof(CellRecord, sheetName) == 0x3208);
static_assert(offsetof(CellRecord, numberFormat) == 0x3308);
static_assert(sizeof(char16_t) == 2 && sizeof(double) == 8);

}  // namespace vk
