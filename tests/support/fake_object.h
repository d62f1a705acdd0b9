#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "automation/automation_object.h"
#include "automation/com_error.h"
#include "fake_args.h"
#include "utf_text.h"

namespace vk::fake {

class FakeExcel;

// Excel's general object-model failure: DISP_E_EXCEPTION carrying scode 0x800A03EC (VBA's
// run-time error 1004); the automation bridge hands callers the scode (ck).
inline constexpr int32_t kExcelError = static_cast<int32_t>(0x800A03EC);

// One stand-in Excel object: answers Invoke from a table of members, logs every call with the
// stand-in Excel (where faults are injected) and answers QueryInterface for its own interface.
class FakeObject : public AutomationObject, public std::enable_shared_from_this<FakeObject> {
 public:
  Variant Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant> args,
                 uint32_t lcid) final;
  ObjectPtr QueryInterface(const Guid& iid) override;

  // "Range", "Worksheet", …: the first half of the call log's keys.
  const std::u16string& TypeName() const noexcept { return typeName_; }
  // Excel's type information names its types as the call log does (ck: "Range", "Shape").
  std::u16string TypeInfoName() override { return typeName_; }
  // Served over COM, the object's type information gives this IID, as Excel's does.
  Guid InterfaceId() const override { return iid_; }

 protected:
  FakeObject(std::shared_ptr<FakeExcel> excel, std::u16string typeName, const Guid& iid);

  // The member a call names: its index in the table and its spelling there, or the HRESULT
  // that Excel's IDispatch answers for the call.
  struct Resolved {
    int index = -1;
    std::u16string_view name;
    int32_t error = kSOk;
  };
  virtual Resolved Resolve(std::u16string_view member, InvokeKind kind, size_t argCount) const = 0;
  virtual Variant Run(int index, const FakeArgs& args) = 0;

  FakeExcel& Excel() const noexcept { return *excel_; }
  const std::shared_ptr<FakeExcel>& ExcelPtr() const noexcept { return excel_; }
  [[noreturn]] static void Raise(int32_t hr = kExcelError);

 private:
  std::shared_ptr<FakeExcel> excel_;
  std::u16string typeName_;
  Guid iid_;
};

// One row of a member table. A get also answers a method call and the reverse: Excel's
// IDispatch accepts either flag (Visual Basic sets both). Argument counts exclude a put's value.
template <class Object>
struct FakeMember {
  std::u16string_view name;
  InvokeKind kind;
  uint8_t minArgs;
  uint8_t maxArgs;
  Variant (Object::*run)(const FakeArgs&);
};

// The table-driven half of a stand-in object; Object provides
// `static std::span<const FakeMember<Object>> Members()`.
template <class Object>
class FakeObjectOf : public FakeObject {
 protected:
  using FakeObject::FakeObject;
  using Member = FakeMember<Object>;

  Resolved Resolve(std::u16string_view member, InvokeKind kind, size_t argCount) const final {
    Resolved found;
    found.error = kDispEUnknownName;
    const auto members = Object::Members();
    for (size_t i = 0; i < members.size(); ++i) {
      const Member& entry = members[i];
      if (!SameText(entry.name, member)) continue;
      found.name = entry.name;
      const bool isPut = kind == InvokeKind::PropertyPut;
      if (isPut != (entry.kind == InvokeKind::PropertyPut)) {
        // A put on a read-only property, or a get of a write-only one.
        if (found.error == kDispEUnknownName) found.error = kDispEMemberNotFound;
        continue;
      }
      const size_t count = isPut ? argCount - (argCount > 0 ? 1 : 0) : argCount;
      if ((isPut && argCount == 0) || count < entry.minArgs || count > entry.maxArgs) {
        found.error = kDispEBadParamCount;
        continue;
      }
      found.index = static_cast<int>(i);
      found.error = kSOk;
      return found;
    }
    return found;
  }

  Variant Run(int index, const FakeArgs& args) final {
    return (static_cast<Object*>(this)->*(Object::Members()[static_cast<size_t>(index)].run))(args);
  }
};

}  // namespace vk::fake
