#pragma once
#include "fake_object.h"

namespace vk::fake {

// Office's COMAddIns as Application.COMAddIns answers it, over FakeExcel::comAddIns.
class FakeCOMAddIns final : public FakeObjectOf<FakeCOMAddIns> {
 public:
  explicit FakeCOMAddIns(std::shared_ptr<FakeExcel> excel);
  static std::span<const Member> Members();

 private:
  Variant Item(const FakeArgs&);
  Variant Count(const FakeArgs&);
};

}  // namespace vk::fake
