#pragma once
#include "fake_object.h"

namespace vk::fake {

// Excel's Workbook object for the stand-in's one open workbook.
class FakeWorkbook final : public FakeObjectOf<FakeWorkbook> {
 public:
  explicit FakeWorkbook(std::shared_ptr<FakeExcel> excel);
  static std::span<const Member> Members();

 private:
  Variant Name(const FakeArgs&);
  Variant Path(const FakeArgs&);
  Variant FullName(const FakeArgs&);
  Variant Save(const FakeArgs&);
  Variant Colors(const FakeArgs&);
  Variant Worksheets(const FakeArgs&);
};

}  // namespace vk::fake
