#include "fake_shape_parts.h"

#include "fake_excel.h"

namespace vk::fake {
namespace {
// Office's drawing interfaces and Excel's own (the interop assemblies' Guid attributes).
constexpr Guid kIidColorFormat{0x000C0312, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidLineFormat{0x000C0317, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidFillFormat{0x000C0314, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidAdjustments{0x000C0310, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidConnectorFormat{0x0002443E, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidControlFormat{0x00024440, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidOleFormat{0x00024441, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidOleObject{0x000208A2, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};  // (ck)
constexpr Guid kIidWindow{0x00020893, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
// The forms controls' own interfaces (ck).
constexpr Guid kIidMdcCheckBox{0x8BD21D43, 0xEC42, 0x11CE, {0x9E, 0x0D, 0x00, 0xAA, 0x00, 0x60, 0x02, 0xF3}};
constexpr Guid kIidCommandButton{0x04598FC4, 0x866C, 0x11CF, {0xAB, 0x7C, 0x00, 0xAA, 0x00, 0xC0, 0x8F, 0xCF}};
constexpr Guid kIidOtherControl{0x6E0F1F2A, 0x51B4, 0x4F52, {0x9A, 0x11, 0x2C, 0x5E, 0x6B, 0x10, 0x77, 0x3D}};

constexpr int32_t kMsoTrue = -1;
Variant TriState(bool value) { return Variant::I4(value ? kMsoTrue : 0); }

Guid ControlIid(const std::u16string& typeName) {
  if (typeName == u"IMdcCheckBox") return kIidMdcCheckBox;
  if (typeName == u"ICommandButton") return kIidCommandButton;
  return kIidOtherControl;
}
}  // namespace

FakeColorFormat::FakeColorFormat(std::shared_ptr<FakeExcel> excel, int32_t* rgb)
    : FakeObjectOf(std::move(excel), u"ColorFormat", kIidColorFormat), rgb_(rgb) {}

std::span<const FakeColorFormat::Member> FakeColorFormat::Members() {
  static const Member members[] = {{u"RGB", InvokeKind::PropertyGet, 0, 0, &FakeColorFormat::RGB}};
  return members;
}

Variant FakeColorFormat::RGB(const FakeArgs&) { return Variant::I4(*rgb_); }

FakeLineFormat::FakeLineFormat(std::shared_ptr<FakeExcel> excel, FakeShapeLine* line)
    : FakeObjectOf(std::move(excel), u"LineFormat", kIidLineFormat), line_(line) {}

std::span<const FakeLineFormat::Member> FakeLineFormat::Members() {
  using L = FakeLineFormat;
  static const Member members[] = {
      {u"BeginArrowheadStyle", InvokeKind::PropertyGet, 0, 0, &L::BeginArrowheadStyle},
      {u"BeginArrowheadLength", InvokeKind::PropertyGet, 0, 0, &L::BeginArrowheadLength},
      {u"BeginArrowheadWidth", InvokeKind::PropertyGet, 0, 0, &L::BeginArrowheadWidth},
      {u"EndArrowheadStyle", InvokeKind::PropertyGet, 0, 0, &L::EndArrowheadStyle},
      {u"EndArrowheadLength", InvokeKind::PropertyGet, 0, 0, &L::EndArrowheadLength},
      {u"EndArrowheadWidth", InvokeKind::PropertyGet, 0, 0, &L::EndArrowheadWidth},
      {u"DashStyle", InvokeKind::PropertyGet, 0, 0, &L::DashStyle},
      {u"Visible", InvokeKind::PropertyGet, 0, 0, &L::Visible},
      {u"Transparency", InvokeKind::PropertyGet, 0, 0, &L::Transparency},
      {u"Weight", InvokeKind::PropertyGet, 0, 0, &L::Weight},
      {u"ForeColor", InvokeKind::PropertyGet, 0, 0, &L::ForeColor},
  };
  return members;
}

Variant FakeLineFormat::BeginArrowheadStyle(const FakeArgs&) { return Variant::I4(line_->begin.style); }
Variant FakeLineFormat::BeginArrowheadLength(const FakeArgs&) { return Variant::I4(line_->begin.length); }
Variant FakeLineFormat::BeginArrowheadWidth(const FakeArgs&) { return Variant::I4(line_->begin.width); }
Variant FakeLineFormat::EndArrowheadStyle(const FakeArgs&) { return Variant::I4(line_->end.style); }
Variant FakeLineFormat::EndArrowheadLength(const FakeArgs&) { return Variant::I4(line_->end.length); }
Variant FakeLineFormat::EndArrowheadWidth(const FakeArgs&) { return Variant::I4(line_->end.width); }
Variant FakeLineFormat::DashStyle(const FakeArgs&) { return Variant::I4(line_->dashStyle); }
Variant FakeLineFormat::Visible(const FakeArgs&) { return TriState(line_->visible); }
// Single in the type library, although the page says Double (V:excel.lineformat.transparency).
Variant FakeLineFormat::Transparency(const FakeArgs&) { return Variant::R4(line_->transparency); }
Variant FakeLineFormat::Weight(const FakeArgs&) { return Variant::R4(line_->weight); }
Variant FakeLineFormat::ForeColor(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeColorFormat>(ExcelPtr(), &line_->color));
}

FakeFillFormat::FakeFillFormat(std::shared_ptr<FakeExcel> excel, FakeShapeFill* fill)
    : FakeObjectOf(std::move(excel), u"FillFormat", kIidFillFormat), fill_(fill) {}

std::span<const FakeFillFormat::Member> FakeFillFormat::Members() {
  using F = FakeFillFormat;
  static const Member members[] = {
      {u"ForeColor", InvokeKind::PropertyGet, 0, 0, &F::ForeColor},
      {u"Transparency", InvokeKind::PropertyGet, 0, 0, &F::Transparency},
      {u"Visible", InvokeKind::PropertyGet, 0, 0, &F::Visible},
  };
  return members;
}

Variant FakeFillFormat::ForeColor(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeColorFormat>(ExcelPtr(), &fill_->color));
}
Variant FakeFillFormat::Transparency(const FakeArgs&) { return Variant::R4(fill_->transparency); }
Variant FakeFillFormat::Visible(const FakeArgs&) { return TriState(fill_->visible); }

FakeAdjustments::FakeAdjustments(std::shared_ptr<FakeExcel> excel, const std::vector<float>* values)
    : FakeObjectOf(std::move(excel), u"Adjustments", kIidAdjustments), values_(values) {}

std::span<const FakeAdjustments::Member> FakeAdjustments::Members() {
  using A = FakeAdjustments;
  static const Member members[] = {
      {u"Count", InvokeKind::PropertyGet, 0, 0, &A::Count},
      {u"Item", InvokeKind::PropertyGet, 1, 1, &A::Item},
  };
  return members;
}

Variant FakeAdjustments::Count(const FakeArgs&) { return Variant::I4(static_cast<int32_t>(values_->size())); }

// Single values; an index beyond the shape's handles fails (V:excel.adjustments.item).
Variant FakeAdjustments::Item(const FakeArgs& args) {
  const int32_t index = args[0].ToInt32();
  if (index < 1 || index > static_cast<int32_t>(values_->size())) Raise(kEInvalidArg);
  return Variant::R4((*values_)[static_cast<size_t>(index - 1)]);
}

FakeConnectorFormat::FakeConnectorFormat(std::shared_ptr<FakeExcel> excel, int32_t type)
    : FakeObjectOf(std::move(excel), u"ConnectorFormat", kIidConnectorFormat), type_(type) {}

std::span<const FakeConnectorFormat::Member> FakeConnectorFormat::Members() {
  static const Member members[] = {{u"Type", InvokeKind::PropertyGet, 0, 0, &FakeConnectorFormat::Type}};
  return members;
}

Variant FakeConnectorFormat::Type(const FakeArgs&) { return Variant::I4(type_); }

FakeControlFormat::FakeControlFormat(std::shared_ptr<FakeExcel> excel, const FakeControl* control)
    : FakeObjectOf(std::move(excel), u"ControlFormat", kIidControlFormat), control_(control) {}

std::span<const FakeControlFormat::Member> FakeControlFormat::Members() {
  using C = FakeControlFormat;
  static const Member members[] = {
      {u"Value", InvokeKind::PropertyGet, 0, 0, &C::Value},
      {u"ListIndex", InvokeKind::PropertyGet, 0, 0, &C::ListIndex},
      {u"ListFillRange", InvokeKind::PropertyGet, 0, 0, &C::ListFillRange},
      {u"Max", InvokeKind::PropertyGet, 0, 0, &C::Max},
      {u"Min", InvokeKind::PropertyGet, 0, 0, &C::Min},
  };
  return members;
}

// Drop-downs (2) and list boxes (6) hold lists (V:excel.controlformat.listfillrange).
bool FakeControlFormat::IsList() const { return control_->type == 2 || control_->type == 6; }

// Check boxes: xlOn 1, xlOff -4146, xlMixed 2 (ck); option buttons, scroll bars and spinners
// their value; lists their selected index. Buttons, labels, group boxes and edit boxes have none.
Variant FakeControlFormat::Value(const FakeArgs&) {
  switch (control_->type) {
    case 1: case 7: case 8: case 9: return Variant::I4(control_->value);
    case 2: case 6: return Variant::I4(control_->listIndex);
    default: Raise();
  }
}

// Nothing selected reads 0 (ck).
Variant FakeControlFormat::ListIndex(const FakeArgs&) {
  if (!IsList()) Raise();
  return Variant::I4(control_->listIndex);
}

Variant FakeControlFormat::ListFillRange(const FakeArgs&) {
  if (!IsList()) Raise();
  return Variant::String(control_->listFillRange);
}

// Scroll bars and spinners (V:excel.controlformat.max).
Variant FakeControlFormat::Max(const FakeArgs&) {
  if (control_->type != 8 && control_->type != 9) Raise();
  return Variant::I4(control_->max);
}

Variant FakeControlFormat::Min(const FakeArgs&) {
  if (control_->type != 8 && control_->type != 9) Raise();
  return Variant::I4(control_->min);
}

FakeOleFormat::FakeOleFormat(std::shared_ptr<FakeExcel> excel, const FakeActiveX* control)
    : FakeObjectOf(std::move(excel), u"OLEFormat", kIidOleFormat), control_(control) {}

std::span<const FakeOleFormat::Member> FakeOleFormat::Members() {
  static const Member members[] = {{u"Object", InvokeKind::PropertyGet, 0, 0, &FakeOleFormat::Object}};
  return members;
}

Variant FakeOleFormat::Object(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeOleObject>(ExcelPtr(), control_));
}

FakeOleObject::FakeOleObject(std::shared_ptr<FakeExcel> excel, const FakeActiveX* control)
    : FakeObjectOf(std::move(excel), u"OLEObject", kIidOleObject), control_(control) {}

std::span<const FakeOleObject::Member> FakeOleObject::Members() {
  static const Member members[] = {{u"Object", InvokeKind::PropertyGet, 0, 0, &FakeOleObject::Object}};
  return members;
}

Variant FakeOleObject::Object(const FakeArgs&) {
  return Variant::Object(std::make_shared<FakeActiveXControl>(ExcelPtr(), control_));
}

FakeActiveXControl::FakeActiveXControl(std::shared_ptr<FakeExcel> excel, const FakeActiveX* control)
    : FakeObjectOf(std::move(excel), control->typeName, ControlIid(control->typeName)), control_(control) {}

std::span<const FakeActiveXControl::Member> FakeActiveXControl::Members() {
  static const Member members[] = {{u"Value", InvokeKind::PropertyGet, 0, 0, &FakeActiveXControl::Value}};
  return members;
}

// A check box's Value is a Boolean (VT_BOOL); a command button has none.
Variant FakeActiveXControl::Value(const FakeArgs&) {
  if (!control_->value) Raise(kDispEMemberNotFound);
  return *control_->value;
}

FakeWindow::FakeWindow(std::shared_ptr<FakeExcel> excel)
    : FakeObjectOf(std::move(excel), u"Window", kIidWindow) {}

std::span<const FakeWindow::Member> FakeWindow::Members() {
  static const Member members[] = {
      {u"Zoom", InvokeKind::PropertyGet, 0, 0, &FakeWindow::GetZoom},
      {u"Zoom", InvokeKind::PropertyPut, 0, 0, &FakeWindow::PutZoom},
  };
  return members;
}

// A Variant holding a Double (ck: the page says Variant).
Variant FakeWindow::GetZoom(const FakeArgs&) { return Variant::R8(Excel().Book().zoom); }

Variant FakeWindow::PutZoom(const FakeArgs& args) {
  const Variant& value = args.NewValue();
  Excel().Book().zoomPuts.push_back(value);
  const double percent = value.ToDouble();
  if (percent < 10 || percent > 400) Raise();  // Excel's zoom range
  Excel().Book().zoom = percent;
  return {};
}

}  // namespace vk::fake
