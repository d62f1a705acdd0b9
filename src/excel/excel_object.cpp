#include "excel/excel_object.h"

#include "automation/com_error.h"

namespace vk::excel {

AutomationObject& ExcelObject::Target() const {
  if (!object_) throw ComError(kEPointer);
  return *object_;
}

Variant ExcelObject::Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant> args,
                            uint32_t lcid) const {
  return Target().InvokeAs(iid_, member, kind, args, lcid);
}

Variant ExcelObject::Get(std::u16string_view member, std::initializer_list<Variant> args,
                         uint32_t lcid) const {
  return Invoke(member, InvokeKind::PropertyGet, std::span<const Variant>(args.begin(), args.size()), lcid);
}

Variant ExcelObject::Call(std::u16string_view member, std::initializer_list<Variant> args,
                          uint32_t lcid) const {
  return Invoke(member, InvokeKind::Method, std::span<const Variant>(args.begin(), args.size()), lcid);
}

void ExcelObject::Put(std::u16string_view member, const Variant& value, uint32_t lcid) const {
  Invoke(member, InvokeKind::PropertyPut, std::span<const Variant>(&value, 1), lcid);
}

ObjectPtr ExcelObject::AsObject(const Variant& result) {
  if (result.IsObject()) return result.ObjectValue();
  if (result.IsEmpty()) return nullptr;
  throw ComError(kDispETypeMismatch);
}

}  // namespace vk::excel
