#pragma once
#include <vector>

#include "fake_object.h"
#include "fake_shape_data.h"

namespace vk::fake {

// Worksheet.Shapes, or a group's GroupItems (typeName "GroupShapes"), over the shapes it holds.
// The vector must not grow while its objects are in use.
class FakeShapes final : public FakeObjectOf<FakeShapes> {
 public:
  FakeShapes(std::shared_ptr<FakeExcel> excel, std::vector<FakeShapeData>* shapes, bool groupItems);
  static std::span<const Member> Members();

 private:
  Variant Count(const FakeArgs&);
  Variant Item(const FakeArgs&);

  std::vector<FakeShapeData>* shapes_;
};

// Excel's Shape object. Members that Excel documents only for some kinds of shape fail on the
// others, as Excel's do.
class FakeShape final : public FakeObjectOf<FakeShape> {
 public:
  FakeShape(std::shared_ptr<FakeExcel> excel, FakeShapeData* shape);
  static std::span<const Member> Members();

 private:
  Variant Name(const FakeArgs&);
  Variant Left(const FakeArgs&);
  Variant Top(const FakeArgs&);
  Variant Width(const FakeArgs&);
  Variant Height(const FakeArgs&);
  Variant Rotation(const FakeArgs&);
  Variant Visible(const FakeArgs&);
  Variant Type(const FakeArgs&);
  Variant AutoShapeType(const FakeArgs&);
  Variant Connector(const FakeArgs&);
  Variant HorizontalFlip(const FakeArgs&);
  Variant VerticalFlip(const FakeArgs&);
  Variant GroupItems(const FakeArgs&);
  Variant OLEFormat(const FakeArgs&);
  Variant FormControlType(const FakeArgs&);
  Variant ControlFormat(const FakeArgs&);
  Variant Line(const FakeArgs&);
  Variant Fill(const FakeArgs&);
  Variant Adjustments(const FakeArgs&);
  Variant ConnectorFormat(const FakeArgs&);
  Variant Chart(const FakeArgs&);
  Variant TextFrame(const FakeArgs&);
  Variant TextFrame2(const FakeArgs&);
  Variant Copy(const FakeArgs&);

  bool HasTextFrame() const;
  // The shape's text; an empty frame's when it has none.
  std::shared_ptr<const FakeShapeText> Text() const;

  FakeShapeData* shape_;
};

}  // namespace vk::fake
