#pragma once
#include "fake_format.h"
#include "fake_object.h"

namespace vk::fake {

// Excel's Interior object: a cell's fill (resolved, every property set) or a format condition's
// (unset properties read as Null, ck).
class FakeInterior final : public FakeObjectOf<FakeInterior> {
 public:
  FakeInterior(std::shared_ptr<FakeExcel> excel, FakeFill fill);
  static std::span<const Member> Members();

 private:
  Variant ColorIndex(const FakeArgs&);
  Variant Color(const FakeArgs&);
  Variant Pattern(const FakeArgs&);
  Variant PatternColorIndex(const FakeArgs&);

  FakeFill fill_;
};

}  // namespace vk::fake
