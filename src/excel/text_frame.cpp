#include "excel/text_frame.h"

namespace vk::excel {

excel::Characters TextFrame::Characters(const Variant& start, const Variant& length) const {
  return excel::Characters(AsObject(Call(u"Characters", {start, length})));
}
int32_t TextFrame::HorizontalAlignment() const { return Get(u"HorizontalAlignment").ToInt32(); }
int32_t TextFrame::VerticalAlignment() const { return Get(u"VerticalAlignment").ToInt32(); }
int32_t TextFrame::Orientation() const { return Get(u"Orientation").ToInt32(); }

}  // namespace vk::excel
