#include "excel/borders.h"

namespace vk::excel {

Variant Border::LineStyle() const { return Get(u"LineStyle"); }
Variant Border::Weight() const { return Get(u"Weight"); }
Variant Border::Color() const { return Get(u"Color"); }

Border Borders::Item(int32_t index) const { return Border(AsObject(Get(u"Item", {Variant::I4(index)}))); }

}  // namespace vk::excel
