#include "excel/chart.h"

namespace vk::excel {

Variant Chart::Export(const std::u16string& fileName, const std::u16string& filterName) const {
  return Call(u"Export", {Variant::String(fileName), Variant::String(filterName), Variant::Missing()});
}

}  // namespace vk::excel
