#pragma once
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "automation/automation_object.h"
#include "automation/variant.h"
#include "excel/interface_ids.h"

namespace vk::excel {

// What every typed Excel wrapper shares: the object it holds (null for Nothing), the Excel
// interface it holds it as, and calls that turn a missing object into ComError(E_POINTER)
// rather than a crash.
class ExcelObject {
 public:
  ExcelObject() = default;
  // An object of unknown interface: its members are resolved from the type information it
  // reports, if any.
  explicit ExcelObject(ObjectPtr object) : object_(std::move(object)) {}
  ExcelObject(ObjectPtr object, const Guid& iid) : object_(std::move(object)), iid_(iid) {}

  // False for Nothing.
  explicit operator bool() const noexcept { return object_ != nullptr; }
  const ObjectPtr& Object() const noexcept { return object_; }

 protected:
  // The object, or ComError(E_POINTER) for Nothing.
  AutomationObject& Target() const;
  Variant Get(std::u16string_view member, std::initializer_list<Variant> args = {},
              uint32_t lcid = 0) const;
  Variant Call(std::u16string_view member, std::initializer_list<Variant> args = {},
               uint32_t lcid = 0) const;
  void Put(std::u16string_view member, const Variant& value, uint32_t lcid = 0) const;

  // The object a result holds; null for Nothing (or an empty result); ComError
  // (DISP_E_TYPEMISMATCH) when the result is a value rather than an object.
  static ObjectPtr AsObject(const Variant& result);

 private:
  Variant Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant> args,
                 uint32_t lcid) const;

  ObjectPtr object_;
  Guid iid_;  // null: not known
};

// The base of a wrapper of one Excel interface: a wrapper derives from ExcelObjectOf<its IID>
// and inherits its constructors ("using ExcelObjectOf::ExcelObjectOf;"); its calls are then
// resolved through that interface's member names, shared by every object of the interface.
template <Guid Iid>
class ExcelObjectOf : public ExcelObject {
 public:
  ExcelObjectOf() = default;
  explicit ExcelObjectOf(ObjectPtr object) : ExcelObject(std::move(object), Iid) {}
};

}  // namespace vk::excel
