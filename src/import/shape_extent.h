#pragma once
#include <cstdint>
#include <vector>

namespace vk {

// The extent of one sent shape, in the record's terms (points, relative to the imported range).
struct CShapeGeoExt {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  int32_t tag1 = 0;  // the shapes pass leaves both tags 0
  int32_t tag2 = 0;
};

// The extents of the shapes sent in one run of the shapes pass, so that a second shape lying
// exactly on a first is not sent again. A linear search: a sheet rarely has many shapes.
class CShapeGeoExtArray {
 public:
  void Add(const CShapeGeoExt& extent) { extents_.push_back(extent); }
  // The index of the first matching extent, or -1. Position and size match within 1e-6; the
  // tags must also match unless the extent has no width or no height.
  int Find(const CShapeGeoExt& extent) const;
  int GetSize() const noexcept { return static_cast<int>(extents_.size()); }

 private:
  std::vector<CShapeGeoExt> extents_;
};

}  // namespace vk
