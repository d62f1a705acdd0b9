#pragma once
#include <cstdint>

#include "excel/excel_object.h"
#include "excel/font2.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// Office's BulletFormat2: the bullet or number in front of a paragraph.
class BulletFormat2 : public ExcelObjectOf<kIidBulletFormat2> {
 public:
  using ExcelObjectOf::ExcelObjectOf;

  int32_t Type() const;       // MsoBulletType: 0 none, 1 unnumbered, 2 numbered
  int32_t Style() const;      // MsoNumberedBulletStyle
  int32_t Number() const;     // the paragraph's number in its list
  int32_t Character() const;  // the bullet's Unicode value
  // Qualified: the member hides the class name inside this class.
  excel::Font2 Font() const;
};

}  // namespace vk::excel
