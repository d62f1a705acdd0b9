#include "excel/text_range2.h"

namespace vk::excel {

TextRange2 TextRange2::Paragraphs(int32_t start, int32_t length) const {
  return TextRange2(AsObject(Get(u"Paragraphs", {Variant::I4(start), Variant::I4(length)})));
}
int32_t TextRange2::Count() const { return Get(u"Count").ToInt32(); }
std::u16string TextRange2::Text() const { return Get(u"Text").ToString(); }
excel::Font2 TextRange2::Font() const { return excel::Font2(AsObject(Get(u"Font"))); }
excel::ParagraphFormat2 TextRange2::ParagraphFormat() const {
  return excel::ParagraphFormat2(AsObject(Get(u"ParagraphFormat")));
}

}  // namespace vk::excel
