#include "excel/characters.h"

namespace vk::excel {

int32_t Characters::Count() const { return Get(u"Count").ToInt32(); }
excel::Font Characters::Font() const { return excel::Font(AsObject(Get(u"Font"))); }
std::u16string Characters::Text() const { return Get(u"Text").ToString(); }

}  // namespace vk::excel
