#include "excel/interior.h"

namespace vk::excel {

Variant Interior::ColorIndex() const { return Get(u"ColorIndex"); }
Variant Interior::Color() const { return Get(u"Color"); }
Variant Interior::Pattern() const { return Get(u"Pattern"); }
Variant Interior::PatternColorIndex() const { return Get(u"PatternColorIndex"); }

}  // namespace vk::excel
