#pragma once
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "automation/automation_object.h"
#include "automation/variant.h"

namespace vk::excel {

// What every typed Excel wrapper shares: the object it holds (null for Nothing) and calls that
// turn a missing object into ComError(E_POINTER) rather than a crash.
class ExcelObject {
 public:
  ExcelObject() = default;
  explicit ExcelObject(ObjectPtr object) : object_(std::move(object)) {}

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
  ObjectPtr object_;
};

}  // namespace vk::excel
