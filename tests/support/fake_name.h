#pragma once
#include "fake_book.h"
#include "fake_object.h"

namespace vk::fake {

// Excel's Name object: one defined name of the workbook.
class FakeName final : public FakeObjectOf<FakeName> {
 public:
  FakeName(std::shared_ptr<FakeExcel> excel, FakeBook::DefinedName name);
  static std::span<const Member> Members();

 private:
  Variant Name(const FakeArgs&);
  Variant RefersTo(const FakeArgs&);

  FakeBook::DefinedName name_;
};

}  // namespace vk::fake
