#pragma once
#include <vector>

#include "fake_object.h"
#include "fake_shape_data.h"

namespace vk::fake {

// Office's ColorFormat of a line or a fill.
class FakeColorFormat final : public FakeObjectOf<FakeColorFormat> {
 public:
  FakeColorFormat(std::shared_ptr<FakeExcel> excel, int32_t* rgb);
  static std::span<const Member> Members();

 private:
  Variant RGB(const FakeArgs&);
  int32_t* rgb_;
};

class FakeLineFormat final : public FakeObjectOf<FakeLineFormat> {
 public:
  FakeLineFormat(std::shared_ptr<FakeExcel> excel, FakeShapeLine* line);
  static std::span<const Member> Members();

 private:
  Variant BeginArrowheadStyle(const FakeArgs&);
  Variant BeginArrowheadLength(const FakeArgs&);
  Variant BeginArrowheadWidth(const FakeArgs&);
  Variant EndArrowheadStyle(const FakeArgs&);
  Variant EndArrowheadLength(const FakeArgs&);
  Variant EndArrowheadWidth(const FakeArgs&);
  Variant DashStyle(const FakeArgs&);
  Variant Visible(const FakeArgs&);
  Variant Transparency(const FakeArgs&);
  Variant Weight(const FakeArgs&);
  Variant ForeColor(const FakeArgs&);
  FakeShapeLine* line_;
};

class FakeFillFormat final : public FakeObjectOf<FakeFillFormat> {
 public:
  FakeFillFormat(std::shared_ptr<FakeExcel> excel, FakeShapeFill* fill);
  static std::span<const Member> Members();

 private:
  Variant ForeColor(const FakeArgs&);
  Variant Transparency(const FakeArgs&);
  Variant Visible(const FakeArgs&);
  FakeShapeFill* fill_;
};

class FakeAdjustments final : public FakeObjectOf<FakeAdjustments> {
 public:
  FakeAdjustments(std::shared_ptr<FakeExcel> excel, const std::vector<float>* values);
  static std::span<const Member> Members();

 private:
  Variant Count(const FakeArgs&);
  Variant Item(const FakeArgs&);
  const std::vector<float>* values_;
};

class FakeConnectorFormat final : public FakeObjectOf<FakeConnectorFormat> {
 public:
  FakeConnectorFormat(std::shared_ptr<FakeExcel> excel, int32_t type);
  static std::span<const Member> Members();

 private:
  Variant Type(const FakeArgs&);
  int32_t type_;
};

// A form control's state; members a control type does not have fail.
class FakeControlFormat final : public FakeObjectOf<FakeControlFormat> {
 public:
  FakeControlFormat(std::shared_ptr<FakeExcel> excel, const FakeControl* control);
  static std::span<const Member> Members();

 private:
  Variant Value(const FakeArgs&);
  Variant ListIndex(const FakeArgs&);
  Variant ListFillRange(const FakeArgs&);
  Variant Max(const FakeArgs&);
  Variant Min(const FakeArgs&);
  bool IsList() const;
  const FakeControl* control_;
};

// Shape.OLEFormat of an ActiveX control; its Object is the OLEObject, whose Object is the
// control itself.
class FakeOleFormat final : public FakeObjectOf<FakeOleFormat> {
 public:
  FakeOleFormat(std::shared_ptr<FakeExcel> excel, const FakeActiveX* control);
  static std::span<const Member> Members();

 private:
  Variant Object(const FakeArgs&);
  const FakeActiveX* control_;
};

class FakeOleObject final : public FakeObjectOf<FakeOleObject> {
 public:
  FakeOleObject(std::shared_ptr<FakeExcel> excel, const FakeActiveX* control);
  static std::span<const Member> Members();

 private:
  Variant Object(const FakeArgs&);
  const FakeActiveX* control_;
};

// The ActiveX control; its type information names its type ("IMdcCheckBox").
class FakeActiveXControl final : public FakeObjectOf<FakeActiveXControl> {
 public:
  FakeActiveXControl(std::shared_ptr<FakeExcel> excel, const FakeActiveX* control);
  static std::span<const Member> Members();

 private:
  Variant Value(const FakeArgs&);
  const FakeActiveX* control_;
};

// Application.ActiveWindow: only its zoom.
class FakeWindow final : public FakeObjectOf<FakeWindow> {
 public:
  explicit FakeWindow(std::shared_ptr<FakeExcel> excel);
  static std::span<const Member> Members();

 private:
  Variant GetZoom(const FakeArgs&);
  Variant PutZoom(const FakeArgs&);
};

}  // namespace vk::fake
