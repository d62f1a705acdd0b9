#pragma once
#include "fake_object.h"

namespace vk::fake {

// Excel's Workbooks collection: the stand-in's one workbook, or none while it is closed.
class FakeWorkbooks final : public FakeObjectOf<FakeWorkbooks> {
 public:
  explicit FakeWorkbooks(std::shared_ptr<FakeExcel> excel);
  static std::span<const Member> Members();

 private:
  Variant Count(const FakeArgs&);
};

}  // namespace vk::fake
