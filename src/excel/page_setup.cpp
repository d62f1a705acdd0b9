#include "excel/page_setup.h"

namespace vk::excel {

std::u16string PageSetup::PrintArea() const { return Get(u"PrintArea").ToString(); }
bool PageSetup::PrintGridlines() const { return Get(u"PrintGridlines").ToBool(); }

}  // namespace vk::excel
