#include "excel/excel_object.h"

#include "automation/com_error.h"

namespace vk::excel {

AutomationObject& ExcelObject::Target() const {
  if (!object_) throw ComError(kEPointer);
  return *object_;
}

Variant ExcelObject::Get(std::u16string_view member, std::initializer_list<Variant> args,
                         uint32_t lcid) const {
  return Target().Get(member, args, lcid);
}

Variant ExcelObject::Call(std::u16string_view member, std::initializer_list<Variant> args,
                          uint32_t lcid) const {
  return Target().Call(member, args, lcid);
}

void ExcelObject::Put(std::u16string_view member, const Variant& value, uint32_t lcid) const {
  Target().Put(member, value, lcid);
}

ObjectPtr ExcelObject::AsObject(const Variant& result) {
  if (result.IsObject()) return result.ObjectValue();
  if (result.IsEmpty()) return nullptr;
  throw ComError(kDispETypeMismatch);
}

}  // namespace vk::excel
