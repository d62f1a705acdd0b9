#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "automation/guid.h"
#include "automation/variant.h"

namespace vk {

enum class InvokeKind : uint16_t { Method = 1, PropertyGet = 2, PropertyPut = 4 };

// A late-bound automation object: members by name, arguments in their natural order.
// Implemented over IDispatch on Windows and by the stand-ins in tests. Every failure is a
// ComError.
class AutomationObject {
 public:
  virtual ~AutomationObject() = default;

  // For PropertyPut the new value is the last element of args.
  virtual Variant Invoke(std::u16string_view member, InvokeKind kind,
                         std::span<const Variant> args, uint32_t lcid) = 0;
  // As Invoke, for a caller that knows which interface it holds the object as (a typed Excel
  // wrapper; the null GUID when it does not): an implementation may then resolve member names
  // once per interface instead of once per object.
  virtual Variant InvokeAs(const Guid& iid, std::u16string_view member, InvokeKind kind,
                           std::span<const Variant> args, uint32_t lcid) {
    (void)iid;
    return Invoke(member, kind, args, lcid);
  }
  // Asks for another interface of the same object; ComError (E_NOINTERFACE or the object's
  // own HRESULT) when the object refuses.
  virtual ObjectPtr QueryInterface(const Guid& iid) = 0;
  // The IID of the object's own interface type (Excel's IID for a stand-in Range), or the null
  // GUID when it has none.
  virtual Guid InterfaceId() const { return {}; }
  // The name its type information gives the object's own type (IDispatch::GetTypeInfo(0), then
  // the type's documentation); ComError when the object offers none. ActiveX controls are told
  // apart by it.
  virtual std::u16string TypeInfoName();

  Variant Get(std::u16string_view name, std::initializer_list<Variant> args = {},
              uint32_t lcid = 0) {
    return Invoke(name, InvokeKind::PropertyGet, std::span<const Variant>(args.begin(), args.size()), lcid);
  }
  void Put(std::u16string_view name, const Variant& value, uint32_t lcid = 0) {
    Invoke(name, InvokeKind::PropertyPut, std::span<const Variant>(&value, 1), lcid);
  }
  Variant Call(std::u16string_view name, std::initializer_list<Variant> args = {},
               uint32_t lcid = 0) {
    return Invoke(name, InvokeKind::Method, std::span<const Variant>(args.begin(), args.size()), lcid);
  }
};

}  // namespace vk
