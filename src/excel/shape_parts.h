#pragma once
#include <cstdint>
#include <string>

#include "excel/excel_object.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// A shape's adjustment handles (up to eight), Single values.
class Adjustments : public ExcelObjectOf<kIidAdjustments> {
 public:
  using ExcelObjectOf::ExcelObjectOf;
  int32_t Count() const;
  double Item(int32_t index) const;  // 1-based
};

// How a connector runs.
class ConnectorFormat : public ExcelObjectOf<kIidConnectorFormat> {
 public:
  using ExcelObjectOf::ExcelObjectOf;
  int32_t Type() const;  // MsoConnectorType: 1 straight, 2 elbow, 3 curved
};

// The state of a form control. Which members a control answers depends on its type: Value for
// check boxes, option buttons and scroll bars, the list members for list boxes and drop-downs.
class ControlFormat : public ExcelObjectOf<kIidControlFormat> {
 public:
  using ExcelObjectOf::ExcelObjectOf;
  int32_t Value() const;
  int32_t ListIndex() const;
  std::u16string ListFillRange() const;
  int32_t Max() const;
  int32_t Min() const;
};

// The OLE side of a shape; for an ActiveX control its Object is Excel's OLEObject.
class OleFormat : public ExcelObjectOf<kIidOleFormat> {
 public:
  using ExcelObjectOf::ExcelObjectOf;
  // OLEFormat.Object (named apart from ExcelObject::Object, the wrapped object itself).
  ObjectPtr OleObject() const;
};

}  // namespace vk::excel
