#include "excel/paragraph_format2.h"

namespace vk::excel {

int32_t ParagraphFormat2::IndentLevel() const { return Get(u"IndentLevel").ToInt32(); }
BulletFormat2 ParagraphFormat2::Bullet() const { return BulletFormat2(AsObject(Get(u"Bullet"))); }

}  // namespace vk::excel
