#include "excel/text_frame2.h"

namespace vk::excel {

TextRange2 TextFrame2::TextRange() const { return TextRange2(AsObject(Get(u"TextRange"))); }

}  // namespace vk::excel
