#pragma once
#include "fake_object.h"

namespace vk::fake {

// Excel's Application object.
class FakeApplication final : public FakeObjectOf<FakeApplication> {
 public:
  explicit FakeApplication(std::shared_ptr<FakeExcel> excel);
  static std::span<const Member> Members();

 private:
  Variant ActiveSheet(const FakeArgs&);
  Variant ActiveWorkbook(const FakeArgs&);
  Variant Selection(const FakeArgs&);
  Variant GetScreenUpdating(const FakeArgs&);
  Variant PutScreenUpdating(const FakeArgs&);
  Variant Version(const FakeArgs&);
  Variant Workbooks(const FakeArgs&);
  Variant COMAddIns(const FakeArgs&);
  Variant ActiveCell(const FakeArgs&);
  Variant Evaluate(const FakeArgs&);
  Variant ActiveWindow(const FakeArgs&);
  Variant Range(const FakeArgs&);
  Variant Hwnd(const FakeArgs&);
};

}  // namespace vk::fake
