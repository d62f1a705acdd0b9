#pragma once
#include "fake_object.h"

namespace vk::fake {

// What Application.Selection is while a shape is selected: a drawing object that answers to
// IDispatch but refuses Excel's Range interface (E_NOINTERFACE), as a selected shape or chart does.
class FakeShapeSelection final : public FakeObjectOf<FakeShapeSelection> {
 public:
  FakeShapeSelection(std::shared_ptr<FakeExcel> excel, std::u16string shapeName);
  static std::span<const Member> Members();

 private:
  Variant Name(const FakeArgs&);

  std::u16string shapeName_;
};

}  // namespace vk::fake
