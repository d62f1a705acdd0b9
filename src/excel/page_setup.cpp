#include "excel/page_setup.h"

namespace vk::excel {

std::u16string PageSetup::PrintArea() const { return Get(u"PrintArea").ToString(); }

}  // namespace vk::excel
