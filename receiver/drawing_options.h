#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "drawing.h"

namespace vk::draw {

struct FontSizeRule {
  double points = 0;
  double height = 0;
  double width = 0;  // 0: not given
};

// The drawing options as the receiver applies them (receiver/README.md maps each stored value to
// its effect). Defaults are those of an empty registry.
struct DrawingOptions {
  std::string borderLayer = "0";
  std::string textLayer = "0";
  std::string shapeLayer = "0";
  std::string imageLayer = "0";
  std::string fillLayer = "0";
  int lineColour = 1;  // LineClrOpt: 0 by layer, 1 converted, 2 by lineweight
  int textColour = 1;  // TextClrOpt: 0 by layer, 1 converted, 2 by font style
  Colour thin{1, -1};
  Colour thick{1, -1};
  Colour regular{1, -1};
  Colour bold{1, -1};
  bool fillByLayer = false;
  int tableObject = 0;   // TableObjOpt: 0 anonymous block, 1 named block
  int borderObject = 0;  // BorderObjOpt: 0 polyline, 1 line
  bool excelFont = true; // UseFontOpt 1
  int textObject = 0;    // TextObjOpt: 0 MText, 1 Text
  double cellScale = 1.0 / 72;  // drawing units per Excel point
  double fontScale = 1.0 / 72;
  bool explicitSizes = false;
  std::vector<double> columnWidths;  // drawing units; 0 where the entry is not a positive number
  std::vector<double> rowHeights;
  bool fontMap = false;
  std::vector<FontSizeRule> fontSizes;
  double rotation = 0;     // degrees
  int insertionPoint = 0;  // 0 left top, 1 right top, 2 left bottom, 3 right bottom
  bool shiftDescenders = false;
  std::u16string shiftChars = u"gjqpy";
  double shiftPoints = 0;
  bool paragraph = false;
  double lineSpacing = 1.16;
  int linkPath = 0;  // LinkPathType: 0 full, 1 relative to drawingFolder, 2 file name
  std::u16string drawingFolder;
  bool whiteBorder = false;
  bool whiteShading = false;
};

// The position-plus-1 colour value of the Layer & Color page as a drawing colour: the entry of
// the colour table (ACI position + 1; the last entry is ByLayer).
Colour ColourFromIndexValue(int32_t stored);
// A layer option: empty or holding "*" is layer 0.
std::string LayerName(std::u16string_view stored);
// A positive finite number from a user's text, else 0.
double PositiveNumber(std::u16string_view text);

// Reads every value the receiver applies from the option set in force (FuncState and
// UseGlobalOption as the add-in reads them) through CRegistry.
DrawingOptions ReadDrawingOptions();

}  // namespace vk::draw
