#include "excel/name.h"

namespace vk::excel {

std::u16string Name::NameText() const { return Get(u"Name").ToString(); }

}  // namespace vk::excel
