#include "ribbon_control.h"

#include "automation/com_error.h"

namespace vk::test {

Variant RibbonControl::Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant>, uint32_t) {
  if (kind != InvokeKind::PropertyGet) throw ComError(kDispEMemberNotFound);
  if (member == u"Id") return Variant::String(id_);
  if (member == u"Tag") return Variant::String(u"");
  if (member == u"Context") return Variant::Object(nullptr);
  throw ComError(kDispEUnknownName);
}

ObjectPtr RibbonControl::QueryInterface(const Guid&) { throw ComError(kENoInterface); }

}  // namespace vk::test
