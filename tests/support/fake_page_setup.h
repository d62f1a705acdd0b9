#pragma once
#include "fake_object.h"

namespace vk::fake {

class FakeSheet;

// Excel's PageSetup object of one stand-in sheet.
class FakePageSetup final : public FakeObjectOf<FakePageSetup> {
 public:
  FakePageSetup(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet);
  static std::span<const Member> Members();

 private:
  Variant GetPrintArea(const FakeArgs&);
  Variant PutPrintArea(const FakeArgs&);
  Variant PrintGridlines(const FakeArgs&);

  FakeSheet* sheet_;
};

}  // namespace vk::fake
