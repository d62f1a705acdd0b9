#include "excel/shape.h"

namespace vk::excel {

double Shape::Left() const { return Get(u"Left").ToDouble(); }
double Shape::Top() const { return Get(u"Top").ToDouble(); }
double Shape::Width() const { return Get(u"Width").ToDouble(); }
double Shape::Height() const { return Get(u"Height").ToDouble(); }
double Shape::Rotation() const { return Get(u"Rotation").ToDouble(); }
int32_t Shape::Visible() const { return Get(u"Visible").ToInt32(); }
int32_t Shape::Type() const { return Get(u"Type").ToInt32(); }
int32_t Shape::AutoShapeType() const { return Get(u"AutoShapeType").ToInt32(); }
int32_t Shape::Connector() const { return Get(u"Connector").ToInt32(); }
int32_t Shape::HorizontalFlip() const { return Get(u"HorizontalFlip").ToInt32(); }
int32_t Shape::VerticalFlip() const { return Get(u"VerticalFlip").ToInt32(); }
int32_t Shape::FormControlType() const { return Get(u"FormControlType").ToInt32(); }
GroupShapes Shape::GroupItems() const { return GroupShapes(AsObject(Get(u"GroupItems"))); }
OleFormat Shape::OLEFormat() const { return OleFormat(AsObject(Get(u"OLEFormat"))); }
excel::ControlFormat Shape::ControlFormat() const { return excel::ControlFormat(AsObject(Get(u"ControlFormat"))); }
LineFormat Shape::Line() const { return LineFormat(AsObject(Get(u"Line"))); }
FillFormat Shape::Fill() const { return FillFormat(AsObject(Get(u"Fill"))); }
excel::Adjustments Shape::Adjustments() const { return excel::Adjustments(AsObject(Get(u"Adjustments"))); }
excel::ConnectorFormat Shape::ConnectorFormat() const {
  return excel::ConnectorFormat(AsObject(Get(u"ConnectorFormat")));
}
ObjectPtr Shape::Chart() const { return AsObject(Get(u"Chart")); }
void Shape::Copy() const { Call(u"Copy"); }

excel::TextFrame Shape::TextFrame() const { return excel::TextFrame(AsObject(Get(u"TextFrame"))); }
excel::TextFrame2 Shape::TextFrame2() const { return excel::TextFrame2(AsObject(Get(u"TextFrame2"))); }

}  // namespace vk::excel
