#pragma once
#include "fake_object.h"

namespace vk::fake {

class FakeSheet;

// Excel's Worksheet object over one stand-in sheet.
class FakeWorksheet final : public FakeObjectOf<FakeWorksheet> {
 public:
  FakeWorksheet(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet);
  static std::span<const Member> Members();

 private:
  Variant GetName(const FakeArgs&);
  Variant PutName(const FakeArgs&);
  Variant PageSetup(const FakeArgs&);
  Variant Range(const FakeArgs&);
  Variant UsedRange(const FakeArgs&);
  Variant Cells(const FakeArgs&);
  Variant Evaluate(const FakeArgs&);
  Variant Shapes(const FakeArgs&);
  Variant Activate(const FakeArgs&);
  Variant Visible(const FakeArgs&);

  FakeSheet* sheet_;
};

}  // namespace vk::fake
