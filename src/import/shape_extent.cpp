#include "import/shape_extent.h"

#include "import/uti_func.h"

namespace vk {

int CShapeGeoExtArray::Find(const CShapeGeoExt& extent) const {
  const bool hasArea = !CUtiFunc::DoubleEqual(extent.width, 0) && !CUtiFunc::DoubleEqual(extent.height, 0);
  for (size_t i = 0; i < extents_.size(); ++i) {
    const CShapeGeoExt& e = extents_[i];
    if (!CUtiFunc::DoubleEqual(e.left, extent.left) || !CUtiFunc::DoubleEqual(e.top, extent.top) ||
        !CUtiFunc::DoubleEqual(e.width, extent.width) || !CUtiFunc::DoubleEqual(e.height, extent.height)) {
      continue;
    }
    if (hasArea && (e.tag1 != extent.tag1 || e.tag2 != extent.tag2)) continue;
    return static_cast<int>(i);
  }
  return -1;
}

}  // namespace vk
