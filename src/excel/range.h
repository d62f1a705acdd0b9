#pragma once
#include <cstdint>
#include <string>

#include "excel/excel_object.h"

namespace vk::excel {

// Excel's Range object. Optional arguments default to the missing-argument value, so Excel
// applies its own defaults.
class Range : public ExcelObject {
 public:
  using ExcelObject::ExcelObject;

  // Absolute A1 text by default: "$B$2:$H$40", or "$A$1:$C$9,$E$1:$F$9" for several areas.
  std::u16string Address(const Variant& rowAbsolute = Variant::Missing(),
                         const Variant& columnAbsolute = Variant::Missing(),
                         const Variant& referenceStyle = Variant::Missing(),
                         const Variant& external = Variant::Missing(),
                         const Variant& relativeTo = Variant::Missing()) const;
  // Excel answers with a Name object, or raises when no defined name refers to the range; the
  // caller decides what a non-object answer means.
  Variant Name() const;
  Range Rows() const;
  Range Columns() const;
  int32_t Count() const;
  // Nothing when no cell matches.
  Range Find(const Variant& what, const Variant& after = Variant::Missing(),
             const Variant& lookIn = Variant::Missing(), const Variant& lookAt = Variant::Missing(),
             const Variant& searchOrder = Variant::Missing(),
             const Variant& searchDirection = Variant::Missing(),
             const Variant& matchCase = Variant::Missing(),
             const Variant& matchByte = Variant::Missing(),
             const Variant& searchFormat = Variant::Missing()) const;
  int32_t Row() const;
  int32_t Column() const;
  // Offsets from the range's top-left cell, 1-based.
  Range Item(const Variant& row, const Variant& column = Variant::Missing()) const;
  // Points.
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
};

}  // namespace vk::excel
