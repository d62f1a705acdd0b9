#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vk::fake {

// A font as far as it is set: the cell's own over the standard font, one character's over the
// cell's, or a format condition's (which leaves most properties unset; Excel reports those as
// Null, ck).
struct FakeFontFace {
  std::optional<std::u16string> name;
  std::optional<double> size;
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<int32_t> underline;  // XlUnderlineStyle
  std::optional<bool> strikethrough;
  std::optional<bool> superscript;
  std::optional<bool> subscript;
  std::optional<int32_t> color;  // RGB

  // The workbook's standard font: Calibri 11, automatic (black) colour, no underline (ck).
  static FakeFontFace Standard();
  // This face's set properties over base's.
  FakeFontFace Over(const FakeFontFace& base) const;

  friend bool operator==(const FakeFontFace&, const FakeFontFace&) = default;
};

// A fill as far as it is set. A cell's fill is completed by Resolve.
struct FakeFill {
  std::optional<int32_t> colorIndex;  // palette index, or -4142 none
  std::optional<int32_t> color;       // RGB
  std::optional<int32_t> pattern;     // XlPattern
  std::optional<int32_t> patternColorIndex;

  // A cell's fill as Excel reports it: no fill reads ColorIndex -4142, Color white, Pattern
  // -4142; a colour reads Pattern solid and its palette index (the nearest entry for an RGB
  // colour); the pattern colour is automatic (-4105) unless set (ck: none of it is documented).
  FakeFill Resolved() const;
};

// One border line as far as it is set.
struct FakeBorderLine {
  std::optional<int32_t> lineStyle;  // XlLineStyle
  std::optional<int32_t> weight;     // XlBorderWeight
  std::optional<int32_t> color;      // RGB

  // A cell's line: none reads LineStyle -4142, Weight thin, Color 0; a set line defaults to
  // continuous, thin, black (ck).
  FakeBorderLine Resolved() const;
};

// XlBordersIndex of a cell's lines.
inline constexpr int32_t kXlDiagonalDown = 5;
inline constexpr int32_t kXlDiagonalUp = 6;
inline constexpr int32_t kXlEdgeLeft = 7;
inline constexpr int32_t kXlEdgeTop = 8;
inline constexpr int32_t kXlEdgeBottom = 9;
inline constexpr int32_t kXlEdgeRight = 10;
inline constexpr int32_t kXlInsideVertical = 11;
inline constexpr int32_t kXlInsideHorizontal = 12;

// A cell's formats and what its value looks like on the sheet.
struct FakeCellFormat {
  FakeFontFace font;                     // over the standard font
  std::vector<FakeFontFace> characters;  // rich text: one per character of the text, over font
  FakeFill fill;
  std::map<int32_t, FakeBorderLine> borders;  // by XlBordersIndex
  int32_t horizontalAlignment = 1;   // xlGeneral
  int32_t verticalAlignment = -4107; // xlBottom
  int32_t orientation = -4128;       // xlHorizontal
  int32_t indentLevel = 0;
  bool wrapText = false;
  std::u16string formula;                  // with "=", empty for a constant
  std::u16string numberFormat = u"General";
  std::optional<std::u16string> text;      // the displayed text, when not the value's own form
};

// The 56 colours of a new workbook's palette (Workbook.Colors), RGB values (ck: the classic
// default palette).
const std::array<int32_t, 56>& DefaultPalette();
// The palette index whose colour is nearest to rgb.
int32_t NearestPaletteIndex(int32_t rgb);

}  // namespace vk::fake
