#include "excel/shape_parts.h"

namespace vk::excel {

int32_t Adjustments::Count() const { return Get(u"Count").ToInt32(); }
// Item is the default member, a property taking the index (V:excel.adjustments.item).
double Adjustments::Item(int32_t index) const { return Get(u"Item", {Variant::I4(index)}).ToDouble(); }

int32_t ConnectorFormat::Type() const { return Get(u"Type").ToInt32(); }

int32_t ControlFormat::Value() const { return Get(u"Value").ToInt32(); }
int32_t ControlFormat::ListIndex() const { return Get(u"ListIndex").ToInt32(); }
std::u16string ControlFormat::ListFillRange() const { return Get(u"ListFillRange").ToString(); }
int32_t ControlFormat::Max() const { return Get(u"Max").ToInt32(); }
int32_t ControlFormat::Min() const { return Get(u"Min").ToInt32(); }

ObjectPtr OleFormat::OleObject() const { return AsObject(Get(u"Object")); }

}  // namespace vk::excel
