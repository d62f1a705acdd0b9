#include "excel/font2.h"

namespace vk::excel {

int32_t Font2::Bold() const { return Get(u"Bold").ToInt32(); }
int32_t Font2::UnderlineStyle() const { return Get(u"UnderlineStyle").ToInt32(); }
std::u16string Font2::Name() const { return Get(u"Name").ToString(); }

}  // namespace vk::excel
