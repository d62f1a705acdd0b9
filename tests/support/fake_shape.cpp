#include "fake_shape.h"

#include "fake_clipboard.h"
#include "fake_chart.h"
#include "fake_excel.h"
#include "fake_shape_parts.h"
#include "fake_text_frame.h"
#include "utf_text.h"

namespace vk::fake {
namespace {
// Excel's drawing interfaces (the interop assemblies' Guid attributes).
constexpr Guid kIidShape{0x00024439, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidShapes{0x0002443A, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidGroupShapes{0x0002443C, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

constexpr int32_t kMsoTrue = -1;
constexpr int32_t kMsoFalse = 0;
Variant TriState(bool value) { return Variant::I4(value ? kMsoTrue : kMsoFalse); }

constexpr int32_t kMsoChart = 3;
constexpr int32_t kMsoGroup = 6;
constexpr int32_t kMsoEmbeddedOle = 7;
constexpr int32_t kMsoFormControl = 8;
constexpr int32_t kMsoLine = 9;
constexpr int32_t kMsoLinkedOle = 10;
constexpr int32_t kMsoOleControl = 12;
constexpr int32_t kMsoPicture = 13;
}  // namespace

FakeShapes::FakeShapes(std::shared_ptr<FakeExcel> excel, std::vector<FakeShapeData>* shapes, bool groupItems)
    : FakeObjectOf(std::move(excel), groupItems ? u"GroupShapes" : u"Shapes", groupItems ? kIidGroupShapes : kIidShapes),
      shapes_(shapes) {}

std::span<const FakeShapes::Member> FakeShapes::Members() {
  using S = FakeShapes;
  static const Member members[] = {
      {u"Count", InvokeKind::PropertyGet, 0, 0, &S::Count},
      {u"Item", InvokeKind::Method, 1, 1, &S::Item},
  };
  return members;
}

Variant FakeShapes::Count(const FakeArgs&) { return Variant::I4(static_cast<int32_t>(shapes_->size())); }

// Item(Index): a 1-based number or a shape's name (V:excel.shapes.item).
Variant FakeShapes::Item(const FakeArgs& args) {
  if (!args.Has(0)) Raise(kDispEParamNotFound);
  if (args[0].IsString()) {
    for (FakeShapeData& shape : *shapes_) {
      if (SameText(shape.name, args[0].StringValue())) {
        return Variant::Object(std::make_shared<FakeShape>(ExcelPtr(), &shape));
      }
    }
    Raise(kEInvalidArg);
  }
  const int32_t index = args[0].ToInt32();
  if (index < 1 || index > static_cast<int32_t>(shapes_->size())) Raise(kEInvalidArg);
  return Variant::Object(std::make_shared<FakeShape>(ExcelPtr(), &(*shapes_)[static_cast<size_t>(index - 1)]));
}

FakeShape::FakeShape(std::shared_ptr<FakeExcel> excel, FakeShapeData* shape)
    : FakeObjectOf(std::move(excel), u"Shape", kIidShape), shape_(shape) {}

std::span<const FakeShape::Member> FakeShape::Members() {
  using S = FakeShape;
  static const Member members[] = {
      {u"Name", InvokeKind::PropertyGet, 0, 0, &S::Name},
      {u"Left", InvokeKind::PropertyGet, 0, 0, &S::Left},
      {u"Top", InvokeKind::PropertyGet, 0, 0, &S::Top},
      {u"Width", InvokeKind::PropertyGet, 0, 0, &S::Width},
      {u"Height", InvokeKind::PropertyGet, 0, 0, &S::Height},
      {u"Rotation", InvokeKind::PropertyGet, 0, 0, &S::Rotation},
      {u"Visible", InvokeKind::PropertyGet, 0, 0, &S::Visible},
      {u"Type", InvokeKind::PropertyGet, 0, 0, &S::Type},
      {u"AutoShapeType", InvokeKind::PropertyGet, 0, 0, &S::AutoShapeType},
      {u"Connector", InvokeKind::PropertyGet, 0, 0, &S::Connector},
      {u"HorizontalFlip", InvokeKind::PropertyGet, 0, 0, &S::HorizontalFlip},
      {u"VerticalFlip", InvokeKind::PropertyGet, 0, 0, &S::VerticalFlip},
      {u"GroupItems", InvokeKind::PropertyGet, 0, 0, &S::GroupItems},
      {u"OLEFormat", InvokeKind::PropertyGet, 0, 0, &S::OLEFormat},
      {u"FormControlType", InvokeKind::PropertyGet, 0, 0, &S::FormControlType},
      {u"ControlFormat", InvokeKind::PropertyGet, 0, 0, &S::ControlFormat},
      {u"Line", InvokeKind::PropertyGet, 0, 0, &S::Line},
      {u"Fill", InvokeKind::PropertyGet, 0, 0, &S::Fill},
      {u"Adjustments", InvokeKind::PropertyGet, 0, 0, &S::Adjustments},
      {u"ConnectorFormat", InvokeKind::PropertyGet, 0, 0, &S::ConnectorFormat},
      {u"Chart", InvokeKind::PropertyGet, 0, 0, &S::Chart},
      {u"TextFrame", InvokeKind::PropertyGet, 0, 0, &S::TextFrame},
      {u"TextFrame2", InvokeKind::PropertyGet, 0, 0, &S::TextFrame2},
      {u"Copy", InvokeKind::Method, 0, 0, &S::Copy},
  };
  return members;
}

Variant FakeShape::Name(const FakeArgs&) { return Variant::String(shape_->name); }
// Geometry and rotation are Single (V:excel.shape.left and the others).
Variant FakeShape::Left(const FakeArgs&) { return Variant::R4(shape_->left); }
Variant FakeShape::Top(const FakeArgs&) { return Variant::R4(shape_->top); }
Variant FakeShape::Width(const FakeArgs&) { return Variant::R4(shape_->width); }
Variant FakeShape::Height(const FakeArgs&) { return Variant::R4(shape_->height); }
Variant FakeShape::Rotation(const FakeArgs&) { return Variant::R4(shape_->rotation); }
// MsoTriState goes over the wire as a 32-bit integer, -1 or 0.
Variant FakeShape::Visible(const FakeArgs&) { return TriState(shape_->visible); }
Variant FakeShape::Type(const FakeArgs&) { return Variant::I4(shape_->type); }
// -2 for shapes that are not AutoShapes (ck: Excel documents no value for them).
Variant FakeShape::AutoShapeType(const FakeArgs&) { return Variant::I4(shape_->autoShapeType); }
Variant FakeShape::Connector(const FakeArgs&) { return TriState(shape_->connector); }
Variant FakeShape::HorizontalFlip(const FakeArgs&) { return TriState(shape_->horizontalFlip); }
Variant FakeShape::VerticalFlip(const FakeArgs&) { return TriState(shape_->verticalFlip); }

// Only groups have members (V:excel.shape.groupitems).
Variant FakeShape::GroupItems(const FakeArgs&) {
  if (shape_->type != kMsoGroup) Raise();
  return Variant::Object(std::make_shared<FakeShapes>(ExcelPtr(), &shape_->items, true));
}

// Only OLE objects have an OLE side (V:excel.shape.oleformat).
Variant FakeShape::OLEFormat(const FakeArgs&) {
  const bool ole = shape_->type == kMsoEmbeddedOle || shape_->type == kMsoLinkedOle || shape_->type == kMsoOleControl;
  if (!ole || !shape_->activeX) Raise();
  return Variant::Object(std::make_shared<FakeOleFormat>(ExcelPtr(), &*shape_->activeX));
}

// Form controls only (V:excel.shape.formcontroltype).
Variant FakeShape::FormControlType(const FakeArgs&) {
  if (shape_->type != kMsoFormControl || !shape_->control) Raise();
  return Variant::I4(shape_->control->type);
}

// Fails on a shape that is not a control (V:excel.shape.controlformat).
Variant FakeShape::ControlFormat(const FakeArgs&) {
  if (shape_->type != kMsoFormControl || !shape_->control) Raise();
  return Variant::Object(std::make_shared<FakeControlFormat>(ExcelPtr(), &*shape_->control));
}

Variant FakeShape::Line(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeLineFormat>(ExcelPtr(), &shape_->line));
}

Variant FakeShape::Fill(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeFillFormat>(ExcelPtr(), &shape_->fill));
}

Variant FakeShape::Adjustments(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeAdjustments>(ExcelPtr(), &shape_->adjustments));
}

// Connectors only (V:excel.shape.connectorformat).
Variant FakeShape::ConnectorFormat(const FakeArgs&) {
  if (!shape_->connector) Raise();
  return Variant::Object(std::make_shared<FakeConnectorFormat>(ExcelPtr(), shape_->connectorType));
}

Variant FakeShape::Chart(const FakeArgs&) {
  if (shape_->type != kMsoChart) Raise();
  return Variant::Object(MakeFakeChart(ExcelPtr()));
}

// Lines, connectors, pictures, charts, groups and ActiveX controls have no text frame, nor do
// the form controls that show no caption (ck: Excel documents no list of them).
bool FakeShape::HasTextFrame() const {
  switch (shape_->type) {
    case kMsoLine:
    case kMsoPicture:
    case kMsoChart:
    case kMsoGroup:
    case kMsoOleControl:
      return false;
    case kMsoFormControl: {
      const int32_t control = shape_->control ? shape_->control->type : -1;
      return control == 0 || control == 1 || control == 4 || control == 5 || control == 7;
    }
    default:
      return !shape_->connector;
  }
}

std::shared_ptr<const FakeShapeText> FakeShape::Text() const {
  return shape_->text ? shape_->text : std::make_shared<const FakeShapeText>();
}

Variant FakeShape::TextFrame(const FakeArgs&) {
  if (!HasTextFrame()) Raise();
  return Variant::Object(MakeFakeTextFrame(ExcelPtr(), Text()));
}

Variant FakeShape::TextFrame2(const FakeArgs&) {
  if (!HasTextFrame()) Raise();
  return Variant::Object(MakeFakeTextFrame2(ExcelPtr(), Text()));
}

// Copy puts on the clipboard what Excel offers for the shape's kind, unless the shape says
// otherwise (V:excel.shape.copy).
Variant FakeShape::Copy(const FakeArgs&) {
  if (shape_->clipboard) {
    PutOnClipboard(*shape_->clipboard);
  } else {
    const CopiedShape kind = shape_->type == kMsoPicture ? CopiedShape::Picture
                             : shape_->type == kMsoChart ? CopiedShape::Chart
                                                         : CopiedShape::AutoShape;
    PutOnClipboard(DefaultClipboardContent(kind));
  }
  return {};
}

}  // namespace vk::fake
