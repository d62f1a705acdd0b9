#include "drawing_options.h"

#include <cmath>
#include <cstdlib>

#include "settings/default_colour_table.h"
#include "settings/font_size_map.h"
#include "settings/option_table.h"
#include "settings/registry.h"
#include "settings/scale_list.h"
#include "settings/size_table.h"
#include "text/utf8_text.h"

namespace vk::draw {

Colour ColourFromIndexValue(int32_t stored) {
  int32_t position = stored - 1;
  if (position < 0) position = 0;
  if (position >= kDefaultColourCount - 1) return Colour{kByLayer, -1};
  return Colour{position + 1, -1};
}

std::string LayerName(std::u16string_view stored) {
  if (stored.empty() || stored.find(u'*') != std::u16string_view::npos) return "0";
  return ToUtf8(stored);
}

double PositiveNumber(std::u16string_view text) {
  const std::string narrow = ToUtf8(text);
  char* end = nullptr;
  const double value = std::strtod(narrow.c_str(), &end);
  if (end == narrow.c_str() || !std::isfinite(value) || value <= 0) return 0;
  return value;
}

namespace {

// Drawing units per Excel point for a scale: a preset of the list, or the custom pair.
double Scale(int32_t index, double drawingUnits, double excelPoints) {
  if (index > 0 && index < kScaleListCount) return 1.0 / kScaleList[static_cast<size_t>(index)].excelPoints;
  if (!(drawingUnits > 0) || !(excelPoints > 0) || !std::isfinite(drawingUnits / excelPoints)) return 1.0 / 72;
  return drawingUnits / excelPoints;
}

std::vector<double> Sizes(std::u16string_view stored) {
  std::vector<double> sizes;
  for (const std::u16string& text : CSizeTable::Parse(stored)) sizes.push_back(PositiveNumber(text));
  return sizes;
}

}  // namespace

DrawingOptions ReadDrawingOptions() {
  namespace o = vk::options;
  const std::u16string key = ImportOptionKey(ReadOption(o::kFuncState), ReadOption(o::kUseGlobalOption));
  DrawingOptions d;
  d.borderLayer = LayerName(ReadOption(o::kBorderLayer, key));
  d.textLayer = LayerName(ReadOption(o::kTextLayer, key));
  d.shapeLayer = LayerName(ReadOption(o::kAutoShapeLayer, key));
  d.imageLayer = LayerName(ReadOption(o::kImageLayer, key));
  d.fillLayer = LayerName(ReadOption(o::kFillLayer, key));
  d.lineColour = ReadOption(o::kLineClrOpt, key);
  d.textColour = ReadOption(o::kTextClrOpt, key);
  d.thin = ColourFromIndexValue(ReadOption(o::kThinColorIndex, key));
  d.thick = ColourFromIndexValue(ReadOption(o::kThickColorIndex, key));
  d.regular = ColourFromIndexValue(ReadOption(o::kRegularColorIndex, key));
  d.bold = ColourFromIndexValue(ReadOption(o::kBoldColorIndex, key));
  d.fillByLayer = ReadOption(o::kFillColorByLayer, key) != 0;
  d.tableObject = ReadOption(o::kTableObjOpt, key);
  d.borderObject = ReadOption(o::kBorderObjOpt, key);
  d.excelFont = ReadOption(o::kUseFontOpt, key) != 0;
  d.textObject = ReadOption(o::kTextObjOpt, key);

  const double cell = Scale(ReadOption(o::kCellScaleIndex, key), ReadOption(o::kCellDrawingUnits, key),
                            ReadOption(o::kCellExcelPoints, key));
  const double font = Scale(ReadOption(o::kFontScaleIndex, key), ReadOption(o::kFontDrawingUnits, key),
                            ReadOption(o::kFontExcelPoints, key));
  const bool cellScaled = ReadOption(o::kCellScaleOpt, key) != 0;
  const bool fontScaled = ReadOption(o::kFontScaleOpt, key) != 0;
  // "Autofit" on one side takes the other side's scale, so text and cells keep Excel's
  // proportions; with both on autofit the cell scale's values decide.
  d.cellScale = cellScaled || !fontScaled ? cell : font;
  d.fontScale = fontScaled ? font : d.cellScale;

  d.explicitSizes = ReadOption(o::kDefineCellWidthsHeights, key) != 0;
  d.columnWidths = Sizes(ReadOption(o::kColumnWidths, key));
  d.rowHeights = Sizes(ReadOption(o::kRowHeights, key));
  d.fontMap = ReadOption(o::kDefineFontSizes, key) != 0;
  for (const FontSizeEntry& entry : CFontSizeMap::Parse(ReadOption(o::kFontSizes, key))) {
    FontSizeRule rule{PositiveNumber(entry.points), PositiveNumber(entry.height), PositiveNumber(entry.width)};
    if (rule.points > 0 && rule.height > 0) d.fontSizes.push_back(rule);
  }
  d.rotation = ReadOption(o::kRotationDegree, key);
  if (!std::isfinite(d.rotation)) d.rotation = 0;
  d.insertionPoint = ReadOption(o::kInsertionPointType, key);
  if (d.insertionPoint < 0 || d.insertionPoint > 3) d.insertionPoint = 0;
  d.shiftDescenders = ReadOption(o::kHasShiftChar, key) != 0;
  d.shiftChars = ReadOption(o::kShiftChar, key);
  d.shiftPoints = ReadOption(o::kShiftPoints, key);
  if (!std::isfinite(d.shiftPoints)) d.shiftPoints = 0;
  const double spacing = ReadOption(o::kLineSpacing, key);
  d.paragraph = spacing > 0;
  d.lineSpacing = std::fabs(spacing);
  if (!(d.lineSpacing >= 0.5 && d.lineSpacing <= 4)) d.lineSpacing = 1.16;
  d.linkPath = ReadOption(o::kLinkPathType, key);
  d.drawingFolder = ReadOption(o::kCurDrawingFolder, key);
  const int32_t importObj = ReadOption(o::kImportObj, key);
  d.whiteBorder = (importObj & 512) != 0;
  d.whiteShading = (importObj & 1024) != 0;
  return d;
}

}  // namespace vk::draw
