#include "excel/bullet_format2.h"

namespace vk::excel {

int32_t BulletFormat2::Type() const { return Get(u"Type").ToInt32(); }
int32_t BulletFormat2::Style() const { return Get(u"Style").ToInt32(); }
int32_t BulletFormat2::Number() const { return Get(u"Number").ToInt32(); }
int32_t BulletFormat2::Character() const { return Get(u"Character").ToInt32(); }
excel::Font2 BulletFormat2::Font() const { return excel::Font2(AsObject(Get(u"Font"))); }

}  // namespace vk::excel
