#include "import/shape_kind.h"

namespace vk {

ShapeKind KindOf(int32_t shapeType, int32_t autoShapeType, int32_t isConnector) {
  switch (shapeType) {
    case kMsoGroup:
      return autoShapeType == kMsoShapeMixed ? ShapeKind::Group : ShapeKind::Other;
    case kMsoLine:
      return autoShapeType == kMsoShapeMixed ? ShapeKind::Line : ShapeKind::Other;
    case kMsoTextBox:
      return autoShapeType == 1 ? ShapeKind::TextBox : ShapeKind::Other;
    case kMsoPicture:
      return ShapeKind::Picture;  // whatever AutoShape type Excel gives it
    case kMsoChart:
      return autoShapeType == kMsoShapeMixed ? ShapeKind::Chart : ShapeKind::Other;
    case kMsoFormControl:
      return autoShapeType == kMsoShapeMixed ? ShapeKind::FormControl : ShapeKind::Other;
    case kMsoOleControlObject:
      return autoShapeType == kMsoShapeMixed ? ShapeKind::ActiveXControl : ShapeKind::Other;
    case kMsoAutoShape:
      break;
    default:
      return ShapeKind::Other;
  }
  switch (autoShapeType) {
    case kMsoShapeMixed: return isConnector != 0 ? ShapeKind::Connector : ShapeKind::Other;
    case 1: return ShapeKind::Rectangle;
    case 5: return ShapeKind::RoundedRectangle;
    case kMsoShapeOval: return ShapeKind::Oval;
    case 6:   // octagon
    case 7:   // isosceles triangle
    case 10:  // hexagon
      return ShapeKind::Polygon;
    case 25:  // arc
    case 33:  // right arrow
    case 34:  // left arrow
    case 35:  // up arrow
    case 36:  // down arrow
      return ShapeKind::BlockArrow;
    case kMsoShapeFlowchartConnector: return ShapeKind::FlowchartConnector;
    case 81: return ShapeKind::FlowchartExtract;
    default: return ShapeKind::Other;
  }
}

bool IsTextKind(ShapeKind kind, int32_t controlType) {
  switch (kind) {
    case ShapeKind::Rectangle:
    case ShapeKind::RoundedRectangle:
    case ShapeKind::Oval:
    case ShapeKind::Polygon:
    case ShapeKind::TextBox:
      return true;
    case ShapeKind::FormControl:
      // button, check box, group box, label, option button
      return controlType == 0 || controlType == 1 || controlType == 4 || controlType == 5 || controlType == 7;
    default:
      return false;
  }
}

}  // namespace vk
