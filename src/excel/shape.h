#pragma once
#include <cstdint>

#include "excel/excel_object.h"
#include "excel/interface_ids.h"
#include "excel/shape_format.h"
#include "excel/shape_parts.h"
#include "excel/text_frame.h"
#include "excel/text_frame2.h"

namespace vk::excel {

template <Guid Iid>
class ShapeCollection;
using Shapes = ShapeCollection<kIidShapes>;
using GroupShapes = ShapeCollection<kIidGroupShapes>;

// Excel's Shape object: a drawing object of a worksheet, or a member of a group. Geometry,
// rotation, weights and transparencies are Single in Excel; they are widened to double here,
// which is exact. Tri-states are MsoTriState (-1 true, 0 false). (Return types are qualified:
// members such as Line and Fill hide class names inside this class.)
class Shape : public ExcelObjectOf<kIidShape> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  double Rotation() const;  // degrees, clockwise
  int32_t Visible() const;
  int32_t Type() const;           // MsoShapeType
  int32_t AutoShapeType() const;  // MsoAutoShapeType; -2 for shapes that are not AutoShapes
  int32_t Connector() const;
  int32_t HorizontalFlip() const;
  int32_t VerticalFlip() const;
  int32_t FormControlType() const;  // XlFormControl; fails unless the shape is a form control
  excel::GroupShapes GroupItems() const;
  excel::OleFormat OLEFormat() const;
  excel::ControlFormat ControlFormat() const;
  excel::LineFormat Line() const;
  excel::FillFormat Fill() const;
  excel::Adjustments Adjustments() const;
  excel::ConnectorFormat ConnectorFormat() const;
  // The chart of a chart shape, as an object (the chart wrapper lives with the picture export).
  ObjectPtr Chart() const;
  void Copy() const;
  // Nothing, or a failed call, for shapes without a text frame (V:excel.shape.textframe).
  excel::TextFrame TextFrame() const;
  excel::TextFrame2 TextFrame2() const;
};

// Worksheet.Shapes and a group's GroupItems: two interfaces with the same two members, Item
// taken as a call with a 1-based number (V:excel.shapes.item, V:excel.groupshapes.item).
template <Guid Iid>
class ShapeCollection : public ExcelObjectOf<Iid> {
 public:
  using ExcelObjectOf<Iid>::ExcelObjectOf;

  int32_t Count() const { return this->Get(u"Count").ToInt32(); }
  Shape Item(int32_t index) const { return Shape(this->AsObject(this->Call(u"Item", {Variant::I4(index)}))); }
};

}  // namespace vk::excel
