#include "excel/workbook.h"

namespace vk::excel {

std::u16string Workbook::Name() const { return Get(u"Name").ToString(); }
std::u16string Workbook::Path() const { return Get(u"Path").ToString(); }
std::u16string Workbook::FullName() const { return Get(u"FullName").ToString(); }
int32_t Workbook::Colors(int32_t index) const { return Get(u"Colors", {Variant::I4(index)}).ToInt32(); }

}  // namespace vk::excel
