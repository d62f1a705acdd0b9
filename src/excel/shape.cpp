#include "excel/shape.h"

namespace vk::excel {

excel::TextFrame Shape::TextFrame() const { return excel::TextFrame(AsObject(Get(u"TextFrame"))); }
excel::TextFrame2 Shape::TextFrame2() const { return excel::TextFrame2(AsObject(Get(u"TextFrame2"))); }

}  // namespace vk::excel
