#pragma once
#include <cstdint>

namespace vk {

// Office's shape types and AutoShape types that the shapes pass tells apart.
inline constexpr int32_t kMsoAutoShape = 1;
inline constexpr int32_t kMsoChart = 3;
inline constexpr int32_t kMsoGroup = 6;
inline constexpr int32_t kMsoFormControl = 8;
inline constexpr int32_t kMsoLine = 9;
inline constexpr int32_t kMsoOleControlObject = 12;
inline constexpr int32_t kMsoPicture = 13;
inline constexpr int32_t kMsoTextBox = 17;
inline constexpr int32_t kMsoShapeMixed = -2;  // what Excel reports for shapes that are not AutoShapes
inline constexpr int32_t kMsoShapeOval = 9;
inline constexpr int32_t kMsoShapeFlowchartConnector = 73;

// The kinds of shape the pass draws by name; everything else is Other (sent as a metafile
// picture, or with its geometry only).
enum class ShapeKind {
  Group,
  Line,
  Connector,
  Rectangle,
  RoundedRectangle,
  Oval,
  Polygon,     // octagon, isosceles triangle, hexagon: one optional adjustment
  BlockArrow,  // right, left, up, down arrow and arc: two adjustments
  FlowchartConnector,
  FlowchartExtract,
  TextBox,
  Picture,
  Chart,
  FormControl,
  ActiveXControl,
  Other,
};

// The kind of a (Shape.Type, Shape.AutoShapeType, Shape.Connector) triple.
ShapeKind KindOf(int32_t shapeType, int32_t autoShapeType, int32_t isConnector);

// The kinds whose text frame is read: the closed AutoShapes, text boxes, and the form controls
// that show a caption (button, check box, group box, label, option button).
bool IsTextKind(ShapeKind kind, int32_t controlType);

}  // namespace vk
