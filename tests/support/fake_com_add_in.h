#pragma once
#include <string>

#include "fake_object.h"

namespace vk::fake {

// One COM add-in known to the stand-in Excel: what Application.COMAddIns lists.
struct FakeAddInEntry {
  std::u16string progId;
  ObjectPtr object;  // what the add-in published as its Object; Nothing by default
  std::u16string description;
  bool connect = true;
};

// Office's COMAddIn for one entry of FakeExcel::comAddIns. Object holds any object reference,
// like a Tag (V:office.comaddin.object).
class FakeCOMAddIn final : public FakeObjectOf<FakeCOMAddIn> {
 public:
  FakeCOMAddIn(std::shared_ptr<FakeExcel> excel, size_t index);
  static std::span<const Member> Members();

 private:
  FakeAddInEntry& Entry() const;
  Variant Description(const FakeArgs&);
  Variant PutDescription(const FakeArgs&);
  Variant ProgId(const FakeArgs&);
  Variant Guid(const FakeArgs&);
  Variant Connect(const FakeArgs&);
  Variant PutConnect(const FakeArgs&);
  Variant Object(const FakeArgs&);
  Variant PutObject(const FakeArgs&);

  size_t index_;
};

}  // namespace vk::fake
