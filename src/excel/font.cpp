#include "excel/font.h"

namespace vk::excel {

Variant Font::Bold() const { return Get(u"Bold"); }
Variant Font::Italic() const { return Get(u"Italic"); }
Variant Font::Underline() const { return Get(u"Underline"); }
Variant Font::Strikethrough() const { return Get(u"Strikethrough"); }
Variant Font::Color() const { return Get(u"Color"); }
Variant Font::Size() const { return Get(u"Size"); }
Variant Font::Superscript() const { return Get(u"Superscript"); }
Variant Font::Subscript() const { return Get(u"Subscript"); }
Variant Font::Name() const { return Get(u"Name"); }

}  // namespace vk::excel
