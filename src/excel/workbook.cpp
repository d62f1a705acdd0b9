#include "excel/workbook.h"

namespace vk::excel {

std::u16string Workbook::Name() const { return Get(u"Name").ToString(); }
std::u16string Workbook::Path() const { return Get(u"Path").ToString(); }
std::u16string Workbook::FullName() const { return Get(u"FullName").ToString(); }

}  // namespace vk::excel
